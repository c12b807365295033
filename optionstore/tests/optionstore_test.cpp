#include "optionstore/ioptionstore.h"
#include "plug/moduleregistry.h"
#include "platform/dynamiclibrary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Loads the real plug-in, as the host does, and creates the module by name.
class OptionStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        m_library = platform::loadLibrary(OPTIONSTORE_PLUGIN, &error);
        ASSERT_NE(m_library, nullptr) << error;
        m_store = Plug::CreateModuleAs<I_OptionStore>("SaveOptionXml");
        ASSERT_NE(m_store, nullptr);
    }
    void TearDown() override
    {
        if (m_store)
            m_store->Release();
        platform::unloadLibrary(m_library);
        std::remove(m_path.c_str());
    }
    void writeFile(const std::string& text) { std::ofstream(m_path) << text; }

    platform::LibraryHandle m_library = nullptr;
    I_OptionStore* m_store = nullptr;
    std::string m_path = testing::TempDir() + "optionstore-test.xml";
};

TEST_F(OptionStoreTest, ReadsValuesByBackslashKeys)
{
    writeFile("<?xml version=\"1.0\"?><product><version>2.5.1</version>"
              "<empty></empty><deep><a><b>x y</b></a></deep></product>");
    EXPECT_TRUE(m_store->LoadFile(m_path.c_str()));
    struct Case {
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"product\\version", "2.5.1"},
        {"product\\deep\\a\\b", "x y"},
        {"product\\empty", ""},
        {"product\\missing", ""},
        {"Product\\version", ""},
        {"", ""},
        {"\\\\", ""},
    };
    for (const Case& c : cases) {
        const char* value = m_store->GetValue(c.key);
        ASSERT_NE(value, nullptr) << c.key;
        EXPECT_STREQ(value, c.value) << c.key;
    }
    ASSERT_NE(m_store->GetValue(nullptr), nullptr);
}

TEST_F(OptionStoreTest, MissingOrMalformedFileGivesEmptyValues)
{
    EXPECT_FALSE(m_store->LoadFile((m_path + ".absent").c_str()));
    EXPECT_STREQ(m_store->GetValue("product\\version"), "");

    writeFile("<product><version>1.0</version>");
    EXPECT_FALSE(m_store->LoadFile(m_path.c_str()));
    EXPECT_STREQ(m_store->GetValue("product\\version"), "");

    writeFile("not xml at all \x01\x02");
    EXPECT_FALSE(m_store->LoadFile(m_path.c_str()));
    EXPECT_STREQ(m_store->GetValue("product\\version"), "");
    EXPECT_FALSE(m_store->LoadFile(nullptr));
}

TEST_F(OptionStoreTest, SetValueCreatesElementsAndSaveFileRoundTrips)
{
    EXPECT_TRUE(m_store->SetValue("product\\version", "3.0"));
    EXPECT_TRUE(m_store->SetValue("product\\options\\zoom", "150"));
    EXPECT_TRUE(m_store->SaveFile(m_path.c_str()));
    EXPECT_TRUE(m_store->LoadFile(m_path.c_str()));
    EXPECT_STREQ(m_store->GetValue("product\\version"), "3.0");
    EXPECT_STREQ(m_store->GetValue("product\\options\\zoom"), "150");
    EXPECT_FALSE(m_store->SaveFile("/nonexistent-folder/x.xml"));
}

} // namespace
