// The hidraw backend against a fake sysfs tree (enumeration, identity, capabilities, open)
// and its handle against a socket pair standing in for a node (report framing, event reads).
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

#include "FakeSysfs.h"
#include "HexFile.h"
#include "platform/WakeEvent.h"
#include "platform/linux/HidrawBackend.h"

namespace tarvik::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes golden(const char* name) { return test::readHexFile(test::descriptorFile(name)); }

constexpr const char* kMouseUevent = "DRIVER=hid-generic\nHID_ID=0003:000004D9:0000A09F\nHID_NAME=USB Mouse\n";

// The mouse's two interfaces, an ordinary mouse of another vendor, an unrelated device with
// a garbage descriptor, one with nothing readable, a Bluetooth keyboard (no USB release
// number) and an interface whose device node is missing.
class HidrawTree : public testing::Test {
protected:
    void SetUp() override {
        tree.add({0, "1-1", "HID_ID=0003:0000046D:0000C077\n", golden("boot_mouse"), "7200\n"});
        tree.add({1, "1-3", "HID_ID=0003:00001234:00005678\n", Bytes{0xA1, 0x01, 0x06}, "0001\n"});
        tree.add({2, "1-2", kMouseUevent, golden("mouse_event"), "0105\n"});
        tree.add({3, "1-2", kMouseUevent, golden("mouse_command"), "0105\n"});
        tree.add({4, "1-4", std::nullopt, std::nullopt, std::nullopt});
        tree.add({10, "bt", "HID_ID=0005:0000046D:0000B342\n", golden("keyboard_multi_report"), std::nullopt});
        tree.add({11, "1-2", kMouseUevent, golden("mouse_command"), "0105\n", false});
    }

    test::FakeSysfs tree;
    HidrawBackend backend{tree.sys(), tree.dev()};
};

TEST_F(HidrawTree, EnumeratesNodesInKernelOrder) {
    std::filesystem::create_directories(tree.sys() / "class" / "hidraw" / "hidrawX");
    std::filesystem::create_directories(tree.sys() / "class" / "hidraw" / "other");
    const auto paths = backend.enumerate();
    ASSERT_TRUE(paths.has_value());
    std::vector<std::string> expected;
    for (unsigned n : {0, 1, 2, 3, 4, 10, 11}) expected.push_back(tree.devNode(n));
    EXPECT_EQ(*paths, expected);
}

TEST_F(HidrawTree, NoHidrawClassMeansNoDevices) {
    std::filesystem::remove_all(tree.sys() / "class");
    const auto paths = backend.enumerate();
    ASSERT_TRUE(paths.has_value());
    EXPECT_TRUE(paths->empty());
}

struct NodeCase {
    unsigned node;
    std::optional<HidIdentity> identity;
    std::optional<HidCapabilities> caps;  // usage page, usage, feature, input, output
};

TEST_F(HidrawTree, ReadsIdentityAndCapabilitiesWithoutOpening) {
    const NodeCase cases[] = {
        {0, HidIdentity{0x046D, 0xC077, 0x7200}, HidCapabilities{0x0001, 0x0002, 0, 4, 0}},
        {1, HidIdentity{0x1234, 0x5678, 0x0001}, std::nullopt},
        {2, HidIdentity{0x04D9, 0xA09F, 0x0105}, HidCapabilities{0xFF01, 0xFF01, 0, 8, 0}},
        {3, HidIdentity{0x04D9, 0xA09F, 0x0105}, HidCapabilities{0xFF00, 0xFF00, 9, 33, 33}},
        {4, std::nullopt, std::nullopt},
        {10, HidIdentity{0x046D, 0xB342, 0}, HidCapabilities{0x0001, 0x0006, 0, 9, 2}},
        {11, HidIdentity{0x04D9, 0xA09F, 0x0105}, HidCapabilities{0xFF00, 0xFF00, 9, 33, 33}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("hidraw" + std::to_string(c.node));
        const auto id = backend.identity(tree.devNode(c.node));
        ASSERT_EQ(id.has_value(), c.identity.has_value());
        if (id) {
            EXPECT_EQ(id->vendor, c.identity->vendor);
            EXPECT_EQ(id->product, c.identity->product);
            EXPECT_EQ(id->version, c.identity->version);
        }
        const auto caps = backend.capabilities(tree.devNode(c.node));
        ASSERT_EQ(caps.has_value(), c.caps.has_value());
        if (caps) {
            EXPECT_EQ(caps->usagePage, c.caps->usagePage);
            EXPECT_EQ(caps->usage, c.caps->usage);
            EXPECT_EQ(caps->featureReportLength, c.caps->featureReportLength);
            EXPECT_EQ(caps->inputReportLength, c.caps->inputReportLength);
            EXPECT_EQ(caps->outputReportLength, c.caps->outputReportLength);
        }
    }
}

TEST_F(HidrawTree, IgnoresPathsThatAreNotHidrawNodes) {
    for (const char* path : {"/dev/sda", "hidraw", "hidraw3a", "/dev/hidraw-1", "../hidraw3/..", ""}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(backend.identity(path).has_value());
        EXPECT_FALSE(backend.capabilities(path).has_value());
    }
}

TEST_F(HidrawTree, OpensOnlyWhatCanBeFramed) {
    using Error = HidOpenError;
    const struct {
        unsigned node;
        HidAccess access;
        bool opens;
        Error error;  // lastOpenError() afterwards
    } cases[] = {
        {3, HidAccess::None, true, Error::None},    {3, HidAccess::ReadWrite, true, Error::None},
        {2, HidAccess::Read, true, Error::None},    {11, HidAccess::None, false, Error::Other},  // no device node
        {1, HidAccess::None, true, Error::None},     // existence is all that None proves
        {1, HidAccess::Read, false, Error::Other},   // garbage descriptor: report framing unknown
        {4, HidAccess::Write, false, Error::Other},  // no descriptor at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("hidraw" + std::to_string(c.node) + " access " + std::to_string(static_cast<int>(c.access)));
        EXPECT_EQ(backend.open(tree.devNode(c.node), c.access) != nullptr, c.opens);
        EXPECT_EQ(backend.lastOpenError(), c.error);
    }
}

// A SOCK_SEQPACKET pair keeps message boundaries, as a hidraw node keeps report boundaries.
class HidrawHandleTest : public testing::Test {
protected:
    HidrawHandle handle(bool numbered) {
        std::array<int, 2> fds{};
        if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds.data()) != 0) {
            throw std::runtime_error("socketpair failed");
        }
        peer = UniqueFd(fds[1]);
        return HidrawHandle(UniqueFd(fds[0]), numbered);
    }
    void send(const Bytes& report) {
        ASSERT_EQ(::write(peer.get(), report.data(), report.size()), ssize_t(report.size()));
    }

    UniqueFd peer;
    WakeEvent wake;
};

TEST_F(HidrawHandleTest, ReadsPutTheReportIdFirst) {
    const struct {
        const char* name;
        bool numbered;
        Bytes sent;
        Bytes expected;
    } cases[] = {
        {"numbered: id comes from the node", true, {0x06, 0x07, 0x00, 0x02}, {0x06, 0x07, 0x00, 0x02}},
        {"unnumbered: id 0 put in front", false, {0xAA, 0xBB}, {0x00, 0xAA, 0xBB}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto h = handle(c.numbered);
        std::array<std::uint8_t, 40> buffer{};
        send(c.sent);
        ASSERT_EQ(h.read(buffer), c.expected.size());
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + c.expected.size()), c.expected);

        send(c.sent);
        const HidEventRead event = h.readEvent(buffer, wake);
        EXPECT_EQ(event.status, HidEventRead::Status::Report);
        ASSERT_EQ(event.length, c.expected.size());
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + c.expected.size()), c.expected);
    }
}

TEST_F(HidrawHandleTest, EventReadEndsOnWakeOrUnplug) {
    using Status = HidEventRead::Status;
    const struct {
        const char* name;
        bool dataPending;
        bool wakeSet;
        bool unplugged;
        Status expected;
    } cases[] = {
        {"wake-up", false, true, false, Status::Woken},
        {"wake-up wins over pending data", true, true, false, Status::Woken},
        {"device gone", false, false, true, Status::Gone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto h = handle(false);
        wake.reset();
        if (c.dataPending) send({0x01});
        if (c.wakeSet) wake.set();
        if (c.unplugged) peer.reset();
        std::array<std::uint8_t, 40> buffer{};
        EXPECT_EQ(h.readEvent(buffer, wake).status, c.expected);
    }
    wake.reset();
}

TEST_F(HidrawHandleTest, FailuresAreReturnedNotThrown) {
    auto h = handle(false);
    std::array<std::uint8_t, 9> feature{};
    EXPECT_FALSE(h.setFeature(feature));  // a socket takes no HID ioctl
    EXPECT_FALSE(h.getFeature(feature));
    EXPECT_FALSE(h.setFeature({}));
    EXPECT_FALSE(h.write({}));
    EXPECT_EQ(h.read({}), 0u);
    peer.reset();
    EXPECT_EQ(h.read(feature), 0u);
    EXPECT_FALSE(h.write(feature));
}

TEST_F(HidrawHandleTest, WritesTheBufferAsGiven) {
    auto h = handle(false);
    const Bytes report{0x00, 0x11, 0x22, 0x33};
    ASSERT_TRUE(h.write(report));
    std::array<std::uint8_t, 40> received{};
    ASSERT_EQ(::read(peer.get(), received.data(), received.size()), ssize_t(report.size()));
    EXPECT_EQ(Bytes(received.begin(), received.begin() + report.size()), report);
}

}  // namespace
}  // namespace tarvik::platform
