// HID report-descriptor walk: global state with push/pop, local usages, main items summed
// per report id and type. Every limit is checked because the bytes come from the device.
#include "platform/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tarvik::platform {
namespace {

enum class ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

namespace tag {
// Main items.
constexpr std::uint8_t kInput = 0x8;
constexpr std::uint8_t kOutput = 0x9;
constexpr std::uint8_t kCollection = 0xA;
constexpr std::uint8_t kFeature = 0xB;
constexpr std::uint8_t kEndCollection = 0xC;
// Global items.
constexpr std::uint8_t kUsagePage = 0x0;
constexpr std::uint8_t kReportSize = 0x7;
constexpr std::uint8_t kReportId = 0x8;
constexpr std::uint8_t kReportCount = 0x9;
constexpr std::uint8_t kPush = 0xA;
constexpr std::uint8_t kPop = 0xB;
// Local items.
constexpr std::uint8_t kUsage = 0x0;
}  // namespace tag

constexpr std::uint8_t kLongItemPrefix = 0xFE;
// The kernel keeps a global stack of 4; a little more room costs nothing.
constexpr std::size_t kGlobalStackDepth = 8;
// Longest report whose length, id byte included, still fits the 16-bit capability fields.
constexpr std::uint64_t kMaxReportBits = (0xFFFFull - 1) * 8;

struct Item {
    ItemType type;
    std::uint8_t tag;
    std::uint32_t data;
    std::size_t size;  // data bytes: 0, 1, 2 or 4
};

struct GlobalState {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

enum ReportType : std::size_t { kInputType, kOutputType, kFeatureType, kReportTypes };

class Parser {
public:
    bool item(const Item& it);
    std::optional<ParsedDescriptor> result() const;

private:
    bool global(const Item& it);
    void local(const Item& it);
    bool main(const Item& it);
    bool addReport(ReportType type);
    void openCollection();

    GlobalState global_;
    std::array<GlobalState, kGlobalStackDepth> stack_{};
    std::size_t stackSize_ = 0;
    std::optional<Item> firstUsage_;  // first Usage local item since the last main item
    std::size_t depth_ = 0;
    bool sawCollection_ = false;
    bool numbered_ = false;
    HidCapabilities caps_;
    using ReportBits = std::array<std::array<std::uint64_t, 256>, kReportTypes>;
    // Bits declared so far for each report type and report id, over the whole descriptor and
    // within each top-level collection.
    ReportBits bits_{};
    std::vector<HidCapabilities> collections_;
    std::vector<ReportBits> collectionBits_;
    bool attributing_ = false;  // the open top-level collection has a slot in collectionBits_
};

bool Parser::item(const Item& it) {
    switch (it.type) {
    case ItemType::Main: return main(it);
    case ItemType::Global: return global(it);
    case ItemType::Local: local(it); return true;
    case ItemType::Reserved: return true;  // unknown to this version of HID: skipped
    }
    return true;
}

bool Parser::global(const Item& it) {
    switch (it.tag) {
    case tag::kUsagePage: global_.usagePage = it.data; return true;
    case tag::kReportSize: global_.reportSize = it.data; return true;
    case tag::kReportCount: global_.reportCount = it.data; return true;
    case tag::kReportId:
        // Report id 0 is reserved for "no ids"; the kernel refuses such descriptors too.
        if (it.data == 0 || it.data > 0xFF) return false;
        global_.reportId = static_cast<std::uint8_t>(it.data);
        numbered_ = true;
        return true;
    case tag::kPush:
        if (stackSize_ == stack_.size()) return false;
        stack_[stackSize_++] = global_;
        return true;
    case tag::kPop:
        if (stackSize_ == 0) return false;
        global_ = stack_[--stackSize_];
        return true;
    default: return true;  // logical/physical ranges and units do not change lengths
    }
}

void Parser::local(const Item& it) {
    if (it.tag == tag::kUsage && !firstUsage_) firstUsage_ = it;
}

bool Parser::main(const Item& it) {
    bool ok = true;
    switch (it.tag) {
    case tag::kInput: ok = addReport(kInputType); break;
    case tag::kOutput: ok = addReport(kOutputType); break;
    case tag::kFeature: ok = addReport(kFeatureType); break;
    case tag::kCollection: openCollection(); break;
    case tag::kEndCollection:
        if (depth_ == 0) return false;
        --depth_;
        break;
    default: break;
    }
    firstUsage_.reset();  // local items apply to the next main item only
    return ok;
}

bool Parser::addReport(ReportType type) {
    const std::uint64_t size = global_.reportSize;
    const std::uint64_t count = global_.reportCount;
    if (count != 0 && size > kMaxReportBits / count) return false;
    std::uint64_t& total = bits_[type][global_.reportId];
    total += size * count;
    // The whole-descriptor total bounds every per-collection one.
    if (depth_ > 0 && attributing_) collectionBits_.back()[type][global_.reportId] += size * count;
    return total <= kMaxReportBits;
}

void Parser::openCollection() {
    if (depth_++ != 0) return;
    HidCapabilities usage;
    if (firstUsage_) {
        // A four-byte usage carries its own page in the high half; a shorter one takes the
        // current usage page.
        const bool extended = firstUsage_->size == 4;
        usage.usagePage = static_cast<std::uint16_t>(extended ? firstUsage_->data >> 16 : global_.usagePage);
        usage.usage = static_cast<std::uint16_t>(firstUsage_->data & 0xFFFF);
    }
    if (!sawCollection_) caps_ = usage;
    sawCollection_ = true;
    attributing_ = collections_.size() < kMaxCollections;
    if (!attributing_) return;
    collections_.push_back(usage);
    collectionBits_.emplace_back();
}

std::uint16_t reportLength(const std::array<std::uint64_t, 256>& bitsPerId) {
    const std::uint64_t longest = *std::max_element(bitsPerId.begin(), bitsPerId.end());
    if (longest == 0) return 0;
    return static_cast<std::uint16_t>((longest + 7) / 8 + 1);
}

std::optional<ParsedDescriptor> Parser::result() const {
    if (!sawCollection_ || depth_ != 0) return std::nullopt;
    ParsedDescriptor out;
    out.capabilities = caps_;
    out.capabilities.inputReportLength = reportLength(bits_[kInputType]);
    out.capabilities.outputReportLength = reportLength(bits_[kOutputType]);
    out.capabilities.featureReportLength = reportLength(bits_[kFeatureType]);
    out.numberedReports = numbered_;
    out.collections = collections_;
    for (std::size_t i = 0; i < collections_.size(); ++i) {
        HidCapabilities& c = out.collections[i];
        c.inputReportLength = reportLength(collectionBits_[i][kInputType]);
        c.outputReportLength = reportLength(collectionBits_[i][kOutputType]);
        c.featureReportLength = reportLength(collectionBits_[i][kFeatureType]);
    }
    return out;
}

std::uint32_t littleEndian(std::span<const std::uint8_t> bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

std::optional<ParsedDescriptor> parseReportDescriptor(std::span<const std::uint8_t> bytes) {
    Parser parser;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::uint8_t prefix = bytes[pos];
        if (prefix == kLongItemPrefix) {
            // Long items: size byte, tag byte, then data. No standard long item exists, so
            // they are skipped whole.
            if (bytes.size() - pos < 3) return std::nullopt;
            const std::size_t size = bytes[pos + 1];
            if (bytes.size() - pos - 3 < size) return std::nullopt;
            pos += 3 + size;
            continue;
        }
        const std::size_t size = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
        if (bytes.size() - pos - 1 < size) return std::nullopt;
        const Item item{static_cast<ItemType>((prefix >> 2) & 0x3), static_cast<std::uint8_t>(prefix >> 4),
                        littleEndian(bytes.subspan(pos + 1, size)), size};
        if (!parser.item(item)) return std::nullopt;
        pos += 1 + size;
    }
    return parser.result();
}

}  // namespace tarvik::platform
