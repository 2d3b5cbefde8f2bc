// SyncSensorSettings and ApplySettings as named steps in the order the mouse expects.
#include "device/Sequences.h"

#include <algorithm>

#include "buttons/KeyMatrix.h"
#include "device/Commands.h"
#include "performance/DpiTables.h"
#include "performance/Lighting.h"

namespace tarvik {
namespace {

constexpr std::uint8_t kSensorOption2Bit = 0x40;

void pause(DeviceContext& ctx) { ctx.clock.sleepMs(kBlockCommandPauseMs); }

// Both requests share one packet: the second carries bytes 2-6 of the first answer.
void readLightOptionSets(DeviceContext& ctx) {
    CommandPacket packet{};
    for (std::uint8_t set : {0, 1}) {
        readLightOptionSet(ctx, packet, set);
        pause(ctx);
    }
}

void writeLightOptionSets(DeviceContext& ctx) {
    for (std::uint8_t set : {0, 1}) {
        writeLightOptionSet(ctx, set);
        pause(ctx);
    }
}

void readColorBlocks(DeviceContext& ctx) {
    for (std::uint8_t block : {0, 1}) {
        readColorBlock(ctx, block);
        pause(ctx);
    }
}

void writeColorBlocks(DeviceContext& ctx) {
    for (std::uint8_t block : {0, 1}) {
        writeColorBlock(ctx, block);
        pause(ctx);
    }
}

// The record's lighting and DPI colors over what the mouse just reported.
void translateLightingAndColors(DeviceContext& ctx, const ConfigRecord& record) {
    LightingPayload(record, ctx.image.lightEffect, ctx.image.lightOptionSets[0]);
    ctx.image.colorBlocks[1] = DpiColourBlock(record);
}

void sendDpiCodes(DeviceContext& ctx, const ConfigRecord& record) {
    ctx.image.dpiCodes = DpiCodes(record, ctx.image.sensorTypeInUse);
    writeDpiCodes(ctx);
}

// Slots go out from the record, then the mouse's own copy is read back into the image.
void sendMacroSlots(DeviceContext& ctx, const ConfigRecord& record) {
    std::fill_n(ctx.image.keyMatrices.begin(), kKeyMatrixSize, 0);
    std::ranges::copy(record.macroSlots, ctx.image.macroImage.begin());
    for (int slot = 1; slot <= kMacroSlots; ++slot) {
        writeMacroSlot(ctx, slot);
        pause(ctx);
    }
    for (int slot = 1; slot <= kMacroSlots; ++slot) {
        readMacroSlot(ctx, slot);
        pause(ctx);
    }
}

void sendKeyMatrices(DeviceContext& ctx, const ConfigRecord& record) {
    buildKeyMatrices(record, ctx.image.keyMatrices);
    for (int matrix = 1; matrix <= kKeyMatrices; ++matrix) {
        writeKeyMatrix(ctx, matrix);
        pause(ctx);
    }
}

}  // namespace

void SyncSensorSettings(DeviceContext& ctx) {
    readSensorSettings(ctx);
    ctx.image.sensorTypeInUse = ctx.image.sensorSettings[0];
    ctx.image.sensorSettings[3] |= kSensorOption2Bit;
    writeSensorSettings(ctx);
}

std::string ApplyOutcome::describe() const {
    if (!mouseStopped) return {};
    return "the mouse stopped answering after " + std::to_string(answered) + " of " + std::to_string(commands) +
           " commands";
}

ApplyOutcome ApplySettings(DeviceContext& ctx, const ConfigRecord& record, const std::function<void()>& saveFiles) {
    ctx.link.answers = {};
    writeReportRate(ctx, ReportRatePayload(record));
    readEffect(ctx);
    readLightOptionSets(ctx);
    readColorBlocks(ctx);
    translateLightingAndColors(ctx, record);
    writeColorBlocks(ctx);
    writeLightOptionSets(ctx);
    writeEffect(ctx);
    sendDpiCodes(ctx, record);
    sendMacroSlots(ctx, record);
    sendKeyMatrices(ctx, record);
    const AnswerTally& answers = ctx.link.answers;
    const ApplyOutcome outcome{answers.commands, answers.silentFrom == 0 ? answers.commands : answers.silentFrom - 1,
                               answers.silentFrom != 0};
    if (saveFiles) saveFiles();
    return outcome;
}

}  // namespace tarvik
