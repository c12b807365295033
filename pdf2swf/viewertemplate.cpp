#include "viewertemplate.h"

#include "converterror.h"
#include "moviereader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace pdf2swf {

namespace {

enum class Role { Definition, Timeline, Dropped };

Role roleOf(uint16_t code)
{
    switch (code) {
    case 1:  // ShowFrame
    case 4:  // PlaceObject
    case 5:  // RemoveObject
    case 12: // DoAction
    case 15: // StartSound
    case 18: // SoundStreamHead
    case 19: // SoundStreamBlock
    case 26: // PlaceObject2
    case 28: // RemoveObject2
    case 43: // FrameLabel
    case 45: // SoundStreamHead2
        return Role::Timeline;
    case 9:  // SetBackgroundColor: the pages' movie has its own
    case 24: // Protect
    case 41: // ProductInfo
    case 56: // ExportAssets
    case 57: // ImportAssets
    case 58: // EnableDebugger
    case 64: // EnableDebugger2
    case 65: // ScriptLimits
    case 69: // FileAttributes
    case 71: // ImportAssets2
    case 76: // SymbolClass
    case 77: // Metadata
    case 86: // DefineSceneAndFrameLabelData
        return Role::Dropped;
    default:
        return Role::Definition;
    }
}

constexpr uint16_t jpegTablesCode = 8; // a definition without a character id

} // namespace

ViewerTemplate ViewerTemplate::load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ConvertError(path, std::string("cannot open the viewer movie: ") + std::strerror(errno));
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return fromBytes(std::move(bytes), path);
}

ViewerTemplate ViewerTemplate::fromBytes(std::vector<uint8_t> file, const std::string& name)
{
    ViewerTemplate viewer;
    try {
        const swf::MovieReader movie(std::move(file));
        viewer.m_widthPixels = (movie.stage().xMaxTwips - movie.stage().xMinTwips) / 20;
        viewer.m_heightPixels = (movie.stage().yMaxTwips - movie.stage().yMinTwips) / 20;
        if (viewer.m_widthPixels < 1 || viewer.m_heightPixels < 1)
            throw std::runtime_error("the viewer movie has an empty stage");
        for (const swf::TagView& tag : movie.tags()) {
            const auto code = static_cast<uint16_t>(tag.code);
            if (code == 82 || code == 72) // DoABC: scripts of a kind the pages' movie does not run
                throw std::runtime_error("viewer movies with ActionScript 3 are not supported");
            switch (roleOf(code)) {
            case Role::Timeline:
                viewer.m_timeline.insert(viewer.m_timeline.end(), tag.whole.begin(), tag.whole.end());
                if (code == 1)
                    ++viewer.m_frameCount;
                break;
            case Role::Definition:
                if (code != jpegTablesCode && tag.body.size() >= 2)
                    viewer.m_maxCharacterId = std::max<uint16_t>(viewer.m_maxCharacterId,
                                                                 static_cast<uint16_t>(tag.body[0] | tag.body[1] << 8));
                viewer.m_definitions.insert(viewer.m_definitions.end(), tag.whole.begin(), tag.whole.end());
                break;
            case Role::Dropped:
                break;
            }
        }
    } catch (const std::runtime_error& e) {
        throw ConvertError(name, std::string("unusable viewer movie: ") + e.what());
    }
    if (viewer.m_frameCount == 0) {
        // A timeline without a ShowFrame still shows its display list once.
        viewer.m_timeline.insert(viewer.m_timeline.end(), {0x40, 0x00});
        viewer.m_frameCount = 1;
    }
    return viewer;
}

} // namespace pdf2swf
