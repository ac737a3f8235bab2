#include "support/VeltraTest.h"

#include "foundation/RunLoop.h"
#include "store/ZKFileManager.h"

#include <fstream>

namespace {

class FileManagerTest : public testing_support::VeltraTest {
protected:
    std::filesystem::path preferences() const { return home() / "Library" / "Preferences"; }

    static void touch(const std::filesystem::path& path)
    {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }

    // Whether `path`, once its "." and ".." parts are resolved, lies below `folder`.
    static bool liesInside(const std::filesystem::path& path, const std::filesystem::path& folder)
    {
        const auto relative = path.lexically_normal().lexically_relative(folder.lexically_normal());
        return !relative.empty() && relative != "." && *relative.begin() != "..";
    }

    static ZKFileManager::Bytes bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

    std::optional<std::optional<Dictionary>> convert(const std::string& name, const std::string& contents)
    {
        std::optional<std::optional<Dictionary>> answer;
        ZKFileManager::sharedInstance()->convertToPDFDataAndSizeCompletion(
            name, bytesOf(contents), {0, 0}, [&](const std::optional<Dictionary>& result) { answer = result; });
        waitFor([&] { return answer.has_value(); });
        return answer;
    }
};

} // namespace

TEST_F(FileManagerTest, FoldersFollowTheCurrentTransaction)
{
    const auto manager = ZKFileManager::sharedInstance();
    EXPECT_EQ(manager->temporaryFolderPath(), (preferences() / "CorvexTMPFolder").string());

    std::optional<std::string> current = "TRX-1";
    manager->setCurrentTransactionIdProvider([&] { return current; });
    EXPECT_EQ(manager->temporaryFolderPath(), (preferences() / "CorvexTMPFolder" / "TRX-1").string());
    for (const char* hostile : {"../../escape", "..", "."}) {
        current = hostile;
        EXPECT_TRUE(liesInside(manager->temporaryFolderPath(), preferences() / "CorvexTMPFolder")) << hostile;
    }

    current = "TRX-1";
    const auto created = manager->createEmptyTemporaryFolder();
    ASSERT_TRUE(created.has_value());
    touch(std::filesystem::path(*created) / "kept.pdf");
    EXPECT_EQ(manager->createEmptyTemporaryFolder(), created);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(*created) / "kept.pdf"));

    EXPECT_EQ(ZKFileManager::folderPathForTransactionWithGUID("G-1"), (preferences() / "G-1").string());
    for (const char* hostile : {"..", ".", "../..", "", ".\u202E."}) {
        EXPECT_TRUE(liesInside(ZKFileManager::folderPathForTransactionWithGUID(hostile), preferences())) << hostile;
    }
}

TEST_F(FileManagerTest, AnUncreatableTemporaryFolderGivesNothing)
{
    const auto manager = ZKFileManager::sharedInstance();
    touch(preferences() / "CorvexTMPFolder");
    EXPECT_FALSE(manager->createEmptyTemporaryFolder().has_value());
}

TEST_F(FileManagerTest, GoodNamesCountUpFromTheGivenNumber)
{
    const auto folder = home() / "docs";
    const auto good = [&](const std::string& name, std::optional<std::string> extension, int number) {
        return ZKFileManager::getGoodNameForFileWithPathNameExtentionAndNumber(folder.string(), name, extension, number);
    };
    EXPECT_EQ(good("lease", "pdf", 0), (folder / "lease.pdf").string());
    touch(folder / "lease.pdf");
    touch(folder / "lease(1).pdf");
    EXPECT_EQ(good("lease", "pdf", 0), (folder / "lease(2).pdf").string());
    EXPECT_EQ(good("lease", "pdf", 5), (folder / "lease(5).pdf").string());
    EXPECT_EQ(good("notes", std::nullopt, 0), (folder / "notes").string());
    EXPECT_EQ(good("notes", "", 0), (folder / "notes").string());

    for (const std::string hostile : {"../../outside", "/etc/passwd", "..", "a/../../b", ""}) {
        const auto path = std::filesystem::path(good(hostile, "pdf", 0));
        EXPECT_EQ(path.parent_path(), folder) << hostile;
    }
    EXPECT_EQ(std::filesystem::path(good("x", "/../../pdf", 0)).parent_path(), folder);
}

TEST_F(FileManagerTest, NamesShowAsWhatTheyAre)
{
    const auto folder = home() / "docs";
    const auto good = [&](const std::string& name, std::optional<std::string> extension) {
        return ZKFileManager::getGoodNameForFileWithPathNameExtentionAndNumber(folder.string(), name, extension, 0);
    };
    // An override turns "report<RLO>txt.exe" into what reads as "reportexe.txt".
    EXPECT_EQ(good("report\u202Etxt.exe", "pdf"), (folder / "reporttxt.exe.pdf").string());
    EXPECT_EQ(good("\u2066a\u202Ab\u202Bc\u202Cd\u202De\u2067f\u2068g\u2069", "pdf"), (folder / "abcdefg.pdf").string());
    EXPECT_EQ(good("\u05D0\u200F1", "pdf"), (folder / "\u05D0\u200F1.pdf").string()) << "marks are kept";
    EXPECT_EQ(good(std::string("con\0tract", 9), "pdf"), (folder / "contract.pdf").string());
    EXPECT_EQ(good("\u202E", "pdf"), (folder / "_.pdf").string());
    EXPECT_EQ(good("notes", "\u202E"), (folder / "notes").string());
}

TEST_F(FileManagerTest, StoresAtomicallyAndRefusesPathsThatClimbOut)
{
    const auto target = (home() / "docs" / "a.pdf").string();
    EXPECT_EQ(ZKFileManager::storeAtPathFileWithNameAndData(target, std::nullopt, bytesOf("first")), target);
    EXPECT_EQ(ZKFileManager::storeAtPathFileWithNameAndData(target, "ignored", bytesOf("second")), target);
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "second");

    const auto climbing = (home() / "docs" / ".." / ".." / "escaped.pdf").string();
    EXPECT_FALSE(ZKFileManager::storeAtPathFileWithNameAndData(climbing, std::nullopt, bytesOf("x")).has_value());
    EXPECT_FALSE(std::filesystem::exists(home().parent_path() / "escaped.pdf"));
    EXPECT_FALSE(ZKFileManager::storeAtPathFileWithNameAndData("", std::nullopt, bytesOf("x")).has_value());
}

TEST_F(FileManagerTest, StoresUnderTheLongestNameTheFileSystemTakes)
{
    for (const std::size_t length : {215u, 255u}) {
        const auto target = (home() / "docs" / (std::string(length - 4, 'n') + ".pdf")).string();
        EXPECT_EQ(ZKFileManager::storeAtPathFileWithNameAndData(target, std::nullopt, bytesOf("%PDF-")), target) << length;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home() / "docs"), {}), 2) << "no temporary file is left";
}

TEST_F(FileManagerTest, ConvertsTextToAPdfInTheTemporaryFolder)
{
    const auto answer = convert("../notes.txt", "Hello\nworld");
    ASSERT_TRUE(answer.has_value());
    ASSERT_TRUE(answer->has_value());
    const auto path = std::filesystem::path((**answer)["localPath"].get<std::string>());
    EXPECT_EQ(path.parent_path(), preferences() / "CorvexTMPFolder");
    EXPECT_EQ(path.extension(), ".pdf");
    std::ifstream in(path, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
}

TEST_F(FileManagerTest, UnconvertibleInputAnswersNothingAndPdfInputNoAnswerAtAll)
{
    const auto unknown = convert("archive.zip", "PK");
    ASSERT_TRUE(unknown.has_value());
    EXPECT_FALSE(unknown->has_value());

    const auto brokenImage = convert("photo.png", "not a png");
    ASSERT_TRUE(brokenImage.has_value());
    EXPECT_FALSE(brokenImage->has_value());

    bool called = false;
    ZKFileManager::sharedInstance()->convertToPDFDataAndSizeCompletion("scan.PDF", bytesOf("%PDF-1.4"), {0, 0},
                                                                       [&](const auto&) { called = true; });
    platform::RunLoop::main().runUntilIdle();
    EXPECT_FALSE(called);
}

TEST_F(FileManagerTest, ConversionsOfOneBaseNameNeverShareAFile)
{
    // Two files of one base name dropped together, and a PDF of that name stored while
    // they convert: each must keep a PDF of its own.
    std::vector<std::optional<Dictionary>> answers;
    const auto manager = ZKFileManager::sharedInstance();
    for (const char* name : {"Contract.txt", "Contract.html"}) {
        manager->convertToPDFDataAndSizeCompletion(name, bytesOf("Terms"), {0, 0},
                                                   [&](const std::optional<Dictionary>& result) { answers.push_back(result); });
    }
    const auto stored = ZKFileManager::getGoodNameForFileWithPathNameExtentionAndNumber(
        manager->temporaryFolderPath(), "Contract", "pdf", 0);
    ASSERT_TRUE(ZKFileManager::storeAtPathFileWithNameAndData(stored, std::nullopt, bytesOf("%PDF-mine")));
    waitFor([&] { return answers.size() == 2; });

    ASSERT_EQ(answers.size(), 2u);
    ASSERT_TRUE(answers[0] && answers[1]);
    const auto first = (*answers[0])["localPath"].get<std::string>();
    const auto second = (*answers[1])["localPath"].get<std::string>();
    EXPECT_NE(first, second);
    EXPECT_NE(first, stored);
    EXPECT_NE(second, stored);
    std::ifstream in(stored, std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == "%PDF-mine") << "the stored PDF was overwritten";
}

TEST_F(FileManagerTest, AFailedConversionLeavesNoFileBehind)
{
    const auto answer = convert("photo.png", "not a png");
    ASSERT_TRUE(answer.has_value());
    EXPECT_FALSE(answer->has_value());
    EXPECT_TRUE(std::filesystem::is_empty(preferences() / "CorvexTMPFolder"));
}
