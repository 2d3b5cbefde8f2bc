// The read commands taken apart against answers written out byte for byte, from a scripted
// mouse rather than the simulated firmware (which shares the code under test): the request on
// the wire, which answer byte lands where, how many chunks are read and what is kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "device/Commands.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingSink.h"

namespace tarvik {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Gives back one fixed feature answer and then input reports whose data bytes count up from 1
// across the chunks (byte j of the block holds j + 1); records what the host sets.
class ScriptedMouse : public platform::HidHandle {
public:
    Bytes answer;
    std::vector<Bytes> sets;
    std::size_t chunkReads = 0;

    bool setFeature(std::span<const std::uint8_t> r) override {
        sets.emplace_back(r.begin(), r.end());
        return true;
    }
    bool getFeature(std::span<std::uint8_t> r) override {
        std::ranges::fill(r, 0);
        std::copy_n(answer.begin(), std::min(answer.size(), r.size()), r.begin());
        return true;
    }
    std::size_t read(std::span<std::uint8_t> r) override {
        std::ranges::fill(r, 0);
        for (std::size_t i = 1; i < r.size() && i <= 32; ++i) r[i] = static_cast<std::uint8_t>(32 * chunkReads + i);
        ++chunkReads;
        return r.size();
    }
    bool write(std::span<const std::uint8_t>) override { return true; }
    platform::HidEventRead readEvent(std::span<std::uint8_t>, platform::WakeEvent&) override { return {}; }
};

// Bytes 1, 2, 3, ... as the scripted chunks carry them.
template <typename Range>
void countingFrom1(Range&& bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i + 1);
}

template <typename Image>
auto slot(Image& image, int n) {
    return std::span(image.macroImage).subspan(static_cast<std::size_t>(n - 1) * 128, 128);
}

DeviceImage markedImage() {
    DeviceImage image;
    image.sensorSettings.fill(0x77);
    image.lightEffect.fill(0x77);
    for (auto& set : image.lightOptionSets) set.fill(0x77);
    for (auto& block : image.colorBlocks) block.fill(0x77);
    image.macroImage.fill(0x77);
    return image;
}

void expectSameImage(const DeviceImage& got, const DeviceImage& want) {
    EXPECT_EQ(got.sensorSettings, want.sensorSettings);
    EXPECT_EQ(got.lightEffect, want.lightEffect);
    EXPECT_EQ(got.lightOptionSets, want.lightOptionSets);
    EXPECT_EQ(got.colorBlocks[0], want.colorBlocks[0]);
    EXPECT_EQ(got.colorBlocks[1], want.colorBlocks[1]);
    for (int n = 1; n <= 12; ++n) EXPECT_TRUE(std::ranges::equal(slot(got, n), slot(want, n))) << "macro slot " << n;
}

void readLightSet1(DeviceContext& ctx) {
    CommandPacket packet{};
    readLightOptionSet(ctx, packet, 1);
}

TEST(ReadCommands, AnswerBytesLandWhereTheirFormSays) {
    struct Case {
        const char* name;
        void (*command)(DeviceContext&);
        Bytes request;  // the feature report set, report id first
        Bytes answer;   // the feature report got back; its checksum byte is never looked at
        std::size_t chunkReads;
        void (*expect)(DeviceImage&);  // applied to the image as it was before
    };
    // clang-format off
    const Case cases[] = {
        {"83 sensor settings from bytes 1-4", readSensorSettings,
         {0x00, 0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7C},
         {0x00, 0x83, 0x02, 0x04, 0x06, 0x08, 0x09, 0x09, 0x00}, 0,
         [](DeviceImage& i) { i.sensorSettings = {0x02, 0x04, 0x06, 0x08}; }},
        {"8D effect from bytes 1-3", readEffect,
         {0x00, 0x8D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x72},
         {0x00, 0x8D, 0x01, 0x05, 0x02, 0x09, 0x09, 0x09, 0x00}, 0,
         [](DeviceImage& i) { i.lightEffect = {0x01, 0x05, 0x02}; }},
        {"87 set named by byte 1, bytes 2-4", readLightSet1,
         {0x00, 0x87, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x77},
         {0x00, 0x87, 0x01, 0x21, 0x22, 0x23, 0x09, 0x09, 0x00}, 0,
         [](DeviceImage& i) { i.lightOptionSets[1] = {0x21, 0x22, 0x23}; }},
        {"87 answer naming set 0 fills set 0", readLightSet1,
         {0x00, 0x87, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x77},
         {0x00, 0x87, 0x00, 0x21, 0x22, 0x23, 0x00, 0x00, 0x00}, 0,
         [](DeviceImage& i) { i.lightOptionSets[0] = {0x21, 0x22, 0x23}; }},
        {"87 answer naming set 2 is dropped", readLightSet1,
         {0x00, 0x87, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x77},
         {0x00, 0x87, 0x02, 0x21, 0x22, 0x23, 0x00, 0x00, 0x00}, 0,
         [](DeviceImage&) {}},
        {"90 full color block", [](DeviceContext& c) { readColorBlock(c, 1); },
         {0x00, 0x90, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6E},
         {0x00, 0x90, 0x01, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00}, 1,
         [](DeviceImage& i) { countingFrom1(i.colorBlocks[1], 24); }},
        {"90 length 10 replaces 10 bytes", [](DeviceContext& c) { readColorBlock(c, 0); },
         {0x00, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6F},
         {0x00, 0x90, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x00}, 1,
         [](DeviceImage& i) { countingFrom1(i.colorBlocks[0], 10); }},
        {"90 length 40 reads two chunks, keeps 24", [](DeviceContext& c) { readColorBlock(c, 0); },
         {0x00, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6F},
         {0x00, 0x90, 0x00, 0x28, 0x00, 0x00, 0x00, 0x00, 0x00}, 2,
         [](DeviceImage& i) { countingFrom1(i.colorBlocks[0], 24); }},
        {"90 answer naming block 1 fills block 1", [](DeviceContext& c) { readColorBlock(c, 0); },
         {0x00, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6F},
         {0x00, 0x90, 0x01, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00}, 1,
         [](DeviceImage& i) { countingFrom1(i.colorBlocks[1], 24); }},
        {"90 answer naming block 2 is dropped", [](DeviceContext& c) { readColorBlock(c, 0); },
         {0x00, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6F},
         {0x00, 0x90, 0x02, 0x18, 0x00, 0x00, 0x00, 0x00, 0x00}, 1,
         [](DeviceImage&) {}},
        {"93 full macro slot in four chunks", [](DeviceContext& c) { readMacroSlot(c, 3); },
         {0x00, 0x93, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x69},
         {0x00, 0x93, 0x03, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00}, 4,
         [](DeviceImage& i) { countingFrom1(slot(i, 3), 128); }},
        {"93 answer naming slot 12, 33 bytes in two chunks", [](DeviceContext& c) { readMacroSlot(c, 3); },
         {0x00, 0x93, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x69},
         {0x00, 0x93, 0x0C, 0x21, 0x00, 0x00, 0x00, 0x00, 0x00}, 2,
         [](DeviceImage& i) { countingFrom1(slot(i, 12), 33); }},
        {"93 answer naming slot 13 is dropped", [](DeviceContext& c) { readMacroSlot(c, 12); },
         {0x00, 0x93, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x60},
         {0x00, 0x93, 0x0D, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00}, 4,
         [](DeviceImage&) {}},
        {"93 length 0 reads no chunk", [](DeviceContext& c) { readMacroSlot(c, 3); },
         {0x00, 0x93, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x69},
         {0x00, 0x93, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, 0,
         [](DeviceImage&) {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceLink link;
        auto handle = std::make_unique<ScriptedMouse>();
        ScriptedMouse& mouse = *handle;
        link.featureHandle = std::move(handle);
        link.featureReportLength = 9;
        link.commandInputLength = 33;
        link.commandOutputLength = 33;
        platform::FakeClock clock;
        platform::RecordingSink sink;
        DeviceImage image = markedImage();
        DeviceContext ctx{link, clock, sink, image};
        mouse.answer = c.answer;

        c.command(ctx);

        EXPECT_EQ(mouse.sets, std::vector<Bytes>{c.request});
        EXPECT_EQ(mouse.chunkReads, c.chunkReads);
        DeviceImage expected = markedImage();
        c.expect(expected);
        expectSameImage(image, expected);
    }
}

}  // namespace
}  // namespace tarvik
