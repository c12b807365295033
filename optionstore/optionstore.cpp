#include "optionstore/optionstore.h"

#include "plug/moduleregistry.h"

#include <sstream>
#include <vector>

namespace {

// Splits "a\\b\\c" into element names; empty pieces are skipped.
std::vector<std::string> keyPath(const char* key)
{
    std::vector<std::string> names;
    std::string piece;
    std::istringstream stream(key ? key : "");
    while (std::getline(stream, piece, '\\')) {
        if (!piece.empty())
            names.push_back(piece);
    }
    return names;
}

I_Plug* createOptionStore()
{
    return new OptionStore;
}

Plug::AutoReg s_registration("SaveOptionXml", &createOptionStore);

} // namespace

bool OptionStore::InitInstance()
{
    return true;
}

int32_t OptionStore::AddRef()
{
    return ++m_count;
}

void OptionStore::Release()
{
    if (--m_count == 0)
        delete this;
}

bool OptionStore::ExitInstance()
{
    return true;
}

bool OptionStore::LoadFile(const char* path)
{
    m_document.reset();
    if (!path)
        return false;
    pugi::xml_parse_result result = m_document.load_file(path);
    if (!result) {
        m_document.reset();
        return false;
    }
    return true;
}

bool OptionStore::SaveFile(const char* path)
{
    return path && m_document.save_file(path, "  ");
}

pugi::xml_node OptionStore::findNode(const char* key) const
{
    const std::vector<std::string> names = keyPath(key);
    if (names.empty())
        return {};
    pugi::xml_node node = m_document;
    for (const std::string& name : names) {
        node = node.child(name.c_str());
        if (!node)
            return {};
    }
    return node;
}

const char* OptionStore::GetValue(const char* key)
{
    m_value = findNode(key).text().as_string("");
    return m_value.c_str();
}

bool OptionStore::SetValue(const char* key, const char* value)
{
    const std::vector<std::string> names = keyPath(key);
    if (names.empty())
        return false;
    pugi::xml_node node = m_document;
    for (const std::string& name : names) {
        pugi::xml_node child = node.child(name.c_str());
        node = child ? child : node.append_child(name.c_str());
    }
    return node.text().set(value ? value : "");
}
