#include "buttontags.h"

#include "bytesink.h"
#include "tagwriter.h"

#include <cassert>

namespace swf {

void writeDefineButton2(ByteSink& sink, uint16_t buttonId, const std::vector<ButtonRecord>& records,
                        const std::vector<ButtonAction>& actions)
{
    assert(!records.empty());
    ByteSink body;
    body.u16(buttonId);
    body.u8(0); // reserved bits, TrackAsMenu = 0
    const size_t actionOffsetAt = body.size();
    body.u16(0);
    for (const ButtonRecord& r : records) {
        body.u8(r.states); // reserved, no blend mode, no filters, then HitTest/Down/Over/Up
        body.u16(r.characterId);
        body.u16(r.depth);
        writeMatrix(body, r.matrix);
        writeIdentityColorTransform(body);
    }
    body.u8(0); // CharacterEndFlag

    if (!actions.empty()) {
        // ActionOffset counts from the ActionOffset field itself.
        body.patchU16(actionOffsetAt, static_cast<uint16_t>(body.size() - actionOffsetAt));
        for (size_t i = 0; i < actions.size(); ++i) {
            const ButtonAction& a = actions[i];
            const std::vector<uint8_t> code = a.actions.bytes();
            const bool last = i + 1 == actions.size();
            // CondActionSize: offset to the next record, 0 for the last one.
            body.u16(last ? 0 : static_cast<uint16_t>(4 + code.size()));
            body.u8(a.onRelease ? 0x08 : 0x00);
            body.u8(static_cast<uint8_t>(static_cast<uint8_t>(a.key) << 1)); // CondKeyPress, CondOverDownToIdle = 0
            body.bytes(code);
        }
    }
    writeTag(sink, TagCode::DefineButton2, body.data());
}

} // namespace swf
