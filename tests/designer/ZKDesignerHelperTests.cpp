#include "designer/ZKDesignerHelper.h"

#include "foundation/SharedInstances.h"
#include "foundation/UserDefaults.h"
#include "support/VeltraTest.h"

#include <string>
#include <vector>

namespace {

class ZKDesignerHelperTest : public testing_support::VeltraTest {
protected:
    static Dictionary storedSettings()
    {
        return platform::UserDefaults::standard().objectForKey(ZKDesignerHelper::kSettingsKey).value_or(nullptr);
    }

    // A new launch: the shared instance is made again from what is stored.
    static std::shared_ptr<ZKDesignerHelper> relaunch()
    {
        platform::SharedInstances::resetAll();
        return ZKDesignerHelper::sharedInstance();
    }
};

const std::vector<std::string> kDesignerTypes{"signingDate", "signerName", "signerTitle", "signerCompany",
                                              "textfield",   "label",      "checkbox",    "list",
                                              "textarea",    "radio",      "datepicker",  ""};

TEST_F(ZKDesignerHelperTest, WithoutSettingsEveryKindButTheDateFieldIsOfferedAndNothingIsRequired)
{
    auto helper = ZKDesignerHelper::sharedInstance();
    EXPECT_FALSE(helper->settings());
    for (const auto& type : kDesignerTypes) {
        EXPECT_EQ(helper->isVisibleWithType(type), type != "datepicker") << type;
        EXPECT_FALSE(helper->isRequiredWithType(type)) << type;
        EXPECT_FALSE(helper->defaultPatternForType(type)) << type;
        EXPECT_FALSE(helper->bindingForType(type)) << type;
    }
}

TEST_F(ZKDesignerHelperTest, SettingsDecideVisibilityRequiredPatternAndBinding)
{
    auto helper = ZKDesignerHelper::sharedInstance();
    helper->saveDesignerSettings(Dictionary{
        {"datepicker",
         {{"visibility", true}, {"template", {{"validation", {{"required", true}, {"pattern", "MM/dd/yyyy"}}}}}}},
        {"label", {{"visibility", false}}},
        {"signerName", {{"template", {{"validation", {{"required", 1}}}, {"binding", "{signer.name}"}}}}},
    });

    EXPECT_TRUE(helper->isVisibleWithType("datepicker"));
    EXPECT_FALSE(helper->isVisibleWithType("label"));
    EXPECT_TRUE(helper->isVisibleWithType("signerName"));
    EXPECT_TRUE(helper->isRequiredWithType("datepicker"));
    EXPECT_EQ(helper->defaultPatternForType("datepicker"), "MM/dd/yyyy");
    EXPECT_TRUE(helper->isRequiredWithType("signerName"));
    EXPECT_FALSE(helper->isRequiredWithType("textfield"));
    EXPECT_EQ(helper->bindingForType("signerName"), Dictionary("{signer.name}"));
}

TEST_F(ZKDesignerHelperTest, SettingsOfTheWrongShapeReadAsMissing)
{
    auto helper = ZKDesignerHelper::sharedInstance();
    helper->saveDesignerSettings(Dictionary::array({1, 2}));
    EXPECT_TRUE(helper->isVisibleWithType("label"));
    EXPECT_FALSE(helper->isVisibleWithType("datepicker"));

    helper->saveDesignerSettings(Dictionary{
        {"label", "visible"},
        {"datepicker", {{"visibility", nullptr}}},
        {"list", {{"visibility", "NO"}, {"template", {{"validation", "required"}}}}},
        {"radio", {{"visibility", "YES"}, {"template", {{"validation", {{"pattern", 42}, {"required", "true"}}}}}}},
        {"textarea", {{"template", {{"validation", {{"pattern", ""}}}, {"binding", nullptr}}}}},
    });
    EXPECT_TRUE(helper->isVisibleWithType("label"));
    EXPECT_FALSE(helper->isVisibleWithType("datepicker"));
    EXPECT_FALSE(helper->isVisibleWithType("list"));
    EXPECT_FALSE(helper->isRequiredWithType("list"));
    EXPECT_TRUE(helper->isVisibleWithType("radio"));
    EXPECT_TRUE(helper->isRequiredWithType("radio"));
    EXPECT_FALSE(helper->defaultPatternForType("radio"));
    EXPECT_EQ(helper->defaultPatternForType("textarea"), "");
    EXPECT_FALSE(helper->bindingForType("textarea"));
}

TEST_F(ZKDesignerHelperTest, TextFlagsReadAsThePlatformReadsAStringsBooleanValue)
{
    auto helper = ZKDesignerHelper::sharedInstance();
    const auto flagsAs = [&](const std::string& text) {
        helper->saveDesignerSettings(Dictionary{{"label", {{"visibility", text}}},
                                                {"textfield", {{"template", {{"validation", {{"required", text}}}}}}}});
        EXPECT_EQ(helper->isVisibleWithType("label"), helper->isRequiredWithType("textfield")) << text;
        return helper->isRequiredWithType("textfield");
    };
    for (const std::string yes : {"YES", "true", "t", "1", "+1", "01", "-1", " \t7", "+007"}) {
        EXPECT_TRUE(flagsAs(yes)) << yes;
    }
    for (const std::string no : {"0", "no", "false", "NO", "", " ", "00", "+0", "-", "x1", "0x1"}) {
        EXPECT_FALSE(flagsAs(no)) << no;
    }
}

TEST_F(ZKDesignerHelperTest, SettingsAreKeptAcrossLaunchesAndSavingNilRemovesThem)
{
    const Dictionary settings{{"datepicker", {{"visibility", true}}}};
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(settings);
    EXPECT_EQ(storedSettings(), settings);

    EXPECT_TRUE(relaunch()->isVisibleWithType("datepicker"));

    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(std::nullopt);
    EXPECT_EQ(storedSettings(), nullptr);
    EXPECT_FALSE(ZKDesignerHelper::sharedInstance()->settings());
    EXPECT_FALSE(relaunch()->isVisibleWithType("datepicker"));
}

TEST_F(ZKDesignerHelperTest, ALaterSaveReplacesTheSettingsInForce)
{
    auto helper = ZKDesignerHelper::sharedInstance();
    helper->saveDesignerSettings(Dictionary{{"label", {{"visibility", false}}}});
    ASSERT_FALSE(helper->isVisibleWithType("label"));

    // Signing in to another account brings other settings; they apply at once.
    helper->saveDesignerSettings(Dictionary{{"checkbox", {{"visibility", false}}}});
    EXPECT_TRUE(helper->isVisibleWithType("label"));
    EXPECT_FALSE(helper->isVisibleWithType("checkbox"));

    helper->saveDesignerSettings(std::nullopt);
    EXPECT_TRUE(helper->isVisibleWithType("checkbox"));
}

TEST_F(ZKDesignerHelperTest, SettingsStoredWhileNoneAreHeldArePickedUpByTheNextLookup)
{
    auto helper = ZKDesignerHelper::sharedInstance();
    ASSERT_FALSE(helper->settings());
    platform::UserDefaults::standard().setObject(ZKDesignerHelper::kSettingsKey,
                                                 Dictionary{{"label", {{"visibility", false}}}});
    EXPECT_FALSE(helper->isVisibleWithType("label"));
}

TEST_F(ZKDesignerHelperTest, DesignerTypeOfElementTypeAndAutofillValue)
{
    const auto type = &ZKDesignerHelper::designerFieldTypeForTypeAndAutoFilledValue;
    EXPECT_EQ(type("TextBox", "{approval.signed}"), "signingDate");
    EXPECT_EQ(type("TextBox", "{signer.name}"), "signerName");
    EXPECT_EQ(type("TextBox", "{signer.title}"), "signerTitle");
    EXPECT_EQ(type("TextBox", "{signer.company}"), "signerCompany");
    EXPECT_EQ(type("TextBox", "{signer.name} "), "textfield");
    EXPECT_EQ(type("TextBox", "{SIGNER.NAME}"), "textfield");
    EXPECT_EQ(type("TextBox", std::nullopt), "textfield");
    EXPECT_EQ(type("label", "{signer.name}"), "label");
    EXPECT_EQ(type("CheckBox", std::nullopt), "checkbox");
    EXPECT_EQ(type("List", std::nullopt), "list");
    EXPECT_EQ(type("TextArea", "{signer.name}"), "textarea");
    EXPECT_EQ(type("Radio", std::nullopt), "radio");
    EXPECT_EQ(type("dateEntryField", std::nullopt), "datepicker");
    EXPECT_EQ(type("SIGNATURE", std::nullopt), "");
    EXPECT_EQ(type("textbox", std::nullopt), "");
    EXPECT_EQ(type("", std::nullopt), "");
}

} // namespace
