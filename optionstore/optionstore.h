#pragma once
// The option store over pugixml. One object per CreateModule call; not thread-safe.

#include "optionstore/ioptionstore.h"

#include <pugixml.hpp>

#include <string>

class OptionStore final : public I_OptionStore {
public:
    bool InitInstance() override;
    int32_t AddRef() override;
    void Release() override;
    bool ExitInstance() override;
    bool LoadFile(const char* path) override;
    bool SaveFile(const char* path) override;
    const char* GetValue(const char* key) override;
    bool SetValue(const char* key, const char* value) override;

private:
    pugi::xml_node findNode(const char* key) const;

    int32_t m_count = 1;
    pugi::xml_document m_document;
    std::string m_value;
};
