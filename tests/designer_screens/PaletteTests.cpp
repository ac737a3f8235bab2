#include "PanelTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKDesignerHelper.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKPrepareFormFieldLook.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "fields/ZKElementView.h"
#include "model/ZKElement.h"

#include <algorithm>

using panel_testing::PanelTest;

namespace {

std::vector<std::string> descriptionsOf(const std::vector<std::shared_ptr<ZKPrepareFormField>>& fields)
{
    std::vector<std::string> descriptions;
    for (const auto& field : fields) {
        descriptions.push_back(field->fieldDescription());
    }
    return descriptions;
}

Dictionary hidden(std::initializer_list<const char*> types)
{
    Dictionary settings = Dictionary::object();
    for (const auto* type : types) {
        settings[type] = {{"visibility", false}};
    }
    return settings;
}

class PaletteTest : public PanelTest {
protected:
    // Which palette items may be used, in palette order.
    std::vector<bool> usable() const
    {
        std::vector<bool> flags;
        for (int index = 0; index < static_cast<int>(panel()->formFields().size()); ++index) {
            flags.push_back(isUsable(index));
        }
        return flags;
    }

    static std::vector<bool> onlyTheSignature() { return {true, false, false, false, false, false, false, false, false, false, false}; }
    static std::vector<bool> all() { return std::vector<bool>(11, true); }
};

} // namespace

TEST_F(PaletteTest, TheSettingsSavedBeforeThePanelLoadsChooseTheKinds)
{
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(Dictionary{
        {"signingDate", {{"visibility", false}}}, {"label", {{"visibility", false}}},
        {"datepicker", {{"visibility", true}}}});
    showHub();
    EXPECT_EQ(descriptionsOf(panel()->formFields()),
              (std::vector<std::string>{"Signature", "Signer Name", "Signer Title", "Signer Company", "Text Field",
                                        "Check Box", "List", "Text Area", "Radio", "Date Field"}));
    EXPECT_EQ(panel()->formFields().back()->fieldType(), "dateEntryField");
}

TEST_F(PaletteTest, SettingsHidingEveryOptionalKindLeaveTheSignatureAlone)
{
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(
        hidden({"signingDate", "signerName", "signerTitle", "signerCompany", "textfield", "label", "checkbox", "list",
                "textarea", "radio", "datepicker"}));
    showHub();
    EXPECT_EQ(descriptionsOf(panel()->formFields()), std::vector<std::string>{"Signature"});

    // Settings saved later leave the loaded palette as it is.
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(std::nullopt);
    EXPECT_EQ(panel()->formFields().size(), 1u);
}

TEST_F(PaletteTest, WithoutSettingsAllButTheDateFieldAreOfferedAndOnlyTheSignatureIsUsableUntilOneIsPlaced)
{
    showHub();
    const auto& fields = panel()->formFields();
    EXPECT_EQ(descriptionsOf(fields),
              (std::vector<std::string>{"Signature", "Signing Date", "Signer Name", "Signer Title", "Signer Company",
                                        "Text Field", "Label", "Check Box", "List", "Text Area", "Radio"}));
    ASSERT_EQ(fields.size(), 11u);
    EXPECT_TRUE(fields[0]->isPrimaryFieldType());
    EXPECT_EQ(std::count_if(fields.begin(), fields.end(), [](const auto& field) { return field->isPrimaryFieldType(); }),
              1);
    EXPECT_EQ(paletteRow(7)->signatureFieldDescriptionLabel.lock()->text(), "Check Box");
    EXPECT_EQ(usable(), onlyTheSignature());

    tapPaletteItem(5);
    EXPECT_TRUE(elements().empty());

    tapPaletteItem(0);
    settle();
    ASSERT_EQ(elements().size(), 1u);
    EXPECT_EQ(elements()[0]->type(), "SIGNATURE");
    EXPECT_EQ(usable(), all());

    tapPaletteItem(5);
    ASSERT_EQ(elements().size(), 2u);
    EXPECT_EQ(elements()[1]->type(), "TextBox");
    EXPECT_EQ(elements()[1]->approval(), elements()[0]->ident());

    tapCurrentSigner();
    settle();
    tapSigner(0);
    settle();
    EXPECT_EQ(usable(), onlyTheSignature());
    EXPECT_FALSE(panel()->shouldEnableNonPrimaryFormFields());
}

TEST_F(PaletteTest, AFieldOfAnotherSignerLeavesTheSignerPickedWithoutAMarkedSignature)
{
    constexpr int checkBox = 7;
    showHub();
    tapPaletteItem(0);
    tapPaletteItem(5);
    settle();
    ASSERT_EQ(elements().size(), 2u);
    const auto theirText = elements()[1];
    tapCurrentSigner();
    settle();
    tapSigner(0);
    settle();

    panel()->minimizePanelWithCompletionHandler(nullptr);
    settle();
    fingers->tap(*viewOf(theirText));
    settle();
    ASSERT_EQ(hub()->pdfViewController()->markedSignature(), elements()[0]);
    ASSERT_TRUE(isUsable(checkBox));
    tapPaletteItem(checkBox);
    settle();
    EXPECT_EQ(elements().size(), 2u) << "the marked signature is another signer's: nothing is placed";

    tapPaletteItem(0);
    tapPaletteItem(checkBox);
    settle();
    ASSERT_EQ(elements().size(), 4u);
    const auto ownSignature = elements()[2];
    const auto ownCheckBox = elements()[3];
    EXPECT_EQ(ownCheckBox->type(), "CheckBox");
    EXPECT_EQ(ownCheckBox->approval(), ownSignature->ident());
    EXPECT_EQ(ownCheckBox->roles(), ownSignature->roles());
    EXPECT_NE(ownCheckBox->roles(), theirText->roles());
}

TEST_F(PaletteTest, TheViewerAndTheFieldsOnThePageTellThePaletteWhatMayBePlaced)
{
    showHub();
    tapPaletteItem(0);
    tapPaletteItem(8);
    ASSERT_EQ(elements().size(), 2u);
    hub()->pdfViewController()->deleteSignature();
    settle();
    EXPECT_EQ(usable(), onlyTheSignature());

    tapPaletteItem(0);
    tapPaletteItem(6);
    settle();
    panel()->disableFormFields(true);
    settle();
    EXPECT_EQ(usable(), onlyTheSignature());
    // A field beginning a position edit marks its signature: every kind may follow.
    fingers->tap(*viewOf(elements().back()));
    settle();
    EXPECT_EQ(usable(), all());
}

TEST_F(PaletteTest, ATappedItemFlashesGreyAndADisabledOneIgnoresTheTap)
{
    showHub();
    const auto button = paletteRow(0)->cellButton.lock();
    tapPaletteItem(0);
    EXPECT_EQ(button->backgroundColor(), ZKPrepareFormFieldLook::tapFlash());
    EXPECT_EQ(button->alpha(), 0);
    settle();
    EXPECT_EQ(button->backgroundColor(), std::nullopt);
    EXPECT_EQ(button->alpha(), 1);

    panel()->setShouldEnableNonPrimaryFormFields(false);
    settle();
    const auto disabled = paletteRow(3)->cellButton.lock();
    tapPaletteItem(3);
    EXPECT_EQ(disabled->backgroundColor(), std::nullopt);
    EXPECT_EQ(elements().size(), 1u);
}
