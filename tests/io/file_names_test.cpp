// File names between the model's Latin-1 text and the file system's UTF-8 bytes.

#include "io/design_file.h"
#include "io/file_names.h"

#include "io_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qv {
namespace {

using test::Session;
using test::TempDir;

constexpr const char* kModelFolder = "Entw\xfc" "rfe";      // u with diaeresis, one Latin-1 byte
constexpr const char* kSystemFolder = "Entw\xc3\xbc" "rfe"; // the same letter in UTF-8

TEST(FileNames, LatinOneAndUtf8NamesConvertBothWays)
{
    EXPECT_EQ(utf8Name(kModelFolder), kSystemFolder);
    EXPECT_EQ(modelFileName(kSystemFolder), std::string(kModelFolder));
    EXPECT_EQ(fileSystemName("/tmp/coil.qvd"), "/tmp/coil.qvd");
    // Every byte a model name can hold comes back unchanged.
    std::string everyByte;
    for (int code = 1; code < 256; ++code) everyByte += static_cast<char>(code);
    EXPECT_EQ(modelFileName(utf8Name(everyByte)), everyByte);
}

TEST(FileNames, NamesOutsideLatinOneAreRefusedAndOlderNamesKept)
{
    EXPECT_FALSE(modelFileName("\xe2\x82\xac.qvd"));      // the euro sign
    EXPECT_FALSE(modelFileName("\xf0\x9f\x94\x8c.qvd"));   // a four-byte character
    // Not UTF-8: the bytes are an older program's Latin-1 name and stay as they are.
    EXPECT_EQ(modelFileName("b\xe9zier.qvd"), std::string("b\xe9zier.qvd"));
    EXPECT_EQ(modelFileName("a\xc3"), std::string("a\xc3"));
    EXPECT_EQ(modelFileName("\xc3" "A"), std::string("\xc3" "A"));
}

TEST(FileNames, AFileUnderItsLatinOneBytesIsFound)
{
    const TempDir dir;
    const std::string older = dir.file("b\xe9zier.qvd");
    test::writeBytes(older, "x");
    EXPECT_EQ(fileSystemName(older), older);
    // Once the UTF-8 name exists too, that one is meant.
    test::writeBytes(utf8Name(older), "y");
    EXPECT_EQ(fileSystemName(older), utf8Name(older));
    // A new file goes under the UTF-8 name, into the folder the file system shows.
    EXPECT_EQ(fileSystemName(dir.file("n\xe9u.qvd")), utf8Name(dir.file("n\xe9u.qvd")));
}

TEST(FileNames, DesignSavedAndOpenedInAFolderWithAnUmlaut)
{
    const TempDir dir;
    std::filesystem::create_directory(dir.file(kSystemFolder));
    const std::string modelPath = dir.file(kModelFolder) + "/coil.qvd";
    Session s;
    ASSERT_TRUE(saveDesignFile(s.calc, modelPath)) << (s.host.messages.empty() ? "" : s.host.messages.back());
    EXPECT_TRUE(std::filesystem::exists(dir.file(kSystemFolder) + "/coil.qvd"));
    EXPECT_EQ(s.calc.referenceList.front(), modelPath);
    EXPECT_TRUE(openDesignFile(s.calc, modelPath));
    EXPECT_EQ(s.calc.designFileName, modelPath);
}

TEST(FileNames, MessagesNameTheFileAsTheModelHoldsIt)
{
    const TempDir dir;
    const std::string modelPath = dir.file(kModelFolder) + "/missing.qvd";
    Session s;
    EXPECT_FALSE(openDesignFile(s.calc, modelPath));
    ASSERT_EQ(s.host.messages.size(), 1U);
    EXPECT_NE(s.host.messages[0].find(modelPath), std::string::npos) << s.host.messages[0];
}

} // namespace
} // namespace qv
