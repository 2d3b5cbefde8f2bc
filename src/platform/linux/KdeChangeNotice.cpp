// The KDE settings-change signal over GDBus.
#include "platform/linux/KdeChangeNotice.h"

#include <gio/gio.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace tarvik::platform {
namespace {

// KGlobalSettings: change type SettingsChanged (3), category SETTINGS_MOUSE (0).
constexpr gint32 kSettingsChanged = 3;
constexpr gint32 kMouseCategory = 0;

struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

// Looking first keeps GIO from trying to start a bus of its own (dbus-launch) when none runs.
bool sessionBusReachable() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0') {
        return true;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    return runtime != nullptr && *runtime != '\0' &&
           std::filesystem::exists(std::filesystem::path(runtime) / "bus", ec);
}

}  // namespace

bool announceKdeMouseChange() {
    if (!sessionBusReachable()) {
        return false;
    }
    GError* rawError = nullptr;
    const std::unique_ptr<GDBusConnection, ObjectUnref> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &rawError));
    std::unique_ptr<GError, ErrorFree> error(rawError);
    if (!bus) {
        return false;
    }
    // The floating parameter tuple is taken over by the call, so it needs no owner here.
    const gboolean sent =
        g_dbus_connection_emit_signal(bus.get(), nullptr, "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange",
                                      g_variant_new("(ii)", kSettingsChanged, kMouseCategory), &rawError);
    error.reset(rawError);
    if (sent == FALSE) {
        return false;
    }
    g_dbus_connection_flush_sync(bus.get(), nullptr, nullptr);
    return true;
}

}  // namespace tarvik::platform
