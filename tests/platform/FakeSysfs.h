// A throw-away sysfs and /dev tree in a temporary folder, laid out as the kernel lays out
// hidraw nodes: class/hidraw/hidrawN/device links to the HID device, whose grandparent is
// the USB device with its bcdDevice.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvik::test {

class FakeSysfs {
public:
    struct Node {
        unsigned number;                                      // hidrawN
        std::string usbDevice;                                // e.g. "1-2"; interfaces of one device share it
        std::optional<std::string> uevent;                    // the HID device's uevent text
        std::optional<std::vector<std::uint8_t>> descriptor;  // report_descriptor bytes
        std::optional<std::string> bcdDevice;                 // on the USB device; absent off USB
        bool deviceNode = true;                               // whether /dev/hidrawN exists
    };

    FakeSysfs() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-sysfs-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        root_ = pattern;
        std::filesystem::create_directories(sys() / "class" / "hidraw");
        std::filesystem::create_directories(dev());
    }
    ~FakeSysfs() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    FakeSysfs(const FakeSysfs&) = delete;
    FakeSysfs& operator=(const FakeSysfs&) = delete;

    std::filesystem::path sys() const { return root_ / "sys"; }
    std::filesystem::path dev() const { return root_ / "dev"; }
    std::string devNode(unsigned number) const { return (dev() / ("hidraw" + std::to_string(number))).string(); }

    void add(const Node& node) {
        namespace fs = std::filesystem;
        const std::string n = std::to_string(node.number);
        const fs::path usb = sys() / "devices" / "usb1" / node.usbDevice;
        const fs::path hid = usb / (node.usbDevice + ":1." + n) / ("0003:XXXX:YYYY." + n);
        fs::create_directories(hid);
        if (node.bcdDevice) write(usb / "bcdDevice", *node.bcdDevice);
        if (node.uevent) write(hid / "uevent", *node.uevent);
        if (node.descriptor) {
            write(hid / "report_descriptor", std::string(node.descriptor->begin(), node.descriptor->end()));
        }
        const fs::path classEntry = sys() / "class" / "hidraw" / ("hidraw" + n);
        fs::create_directories(classEntry);
        fs::create_directory_symlink(hid, classEntry / "device");
        if (node.deviceNode) write(devNode(node.number), "");
    }

    static void write(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
        if (!out) throw std::runtime_error("cannot write " + path.string());
    }

private:
    std::filesystem::path root_;
};

}  // namespace tarvik::test
