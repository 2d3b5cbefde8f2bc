// GSettings backend of the pointer settings; the only file that talks to GSettings.
#include "platform/linux/GSettingsPointerSettings.h"

#include <gio/gio.h>

#include <limits>
#include <string>
#include <string_view>

namespace tarvik::platform {
namespace {

constexpr const char* kSpeedKey = "speed";
constexpr const char* kProfileKey = "accel-profile";
constexpr const char* kDoubleClickKey = "double-click";
constexpr std::string_view kProfileDefault = "default";  // a mouse's default profile is adaptive
constexpr std::string_view kProfileFlat = "flat";
constexpr std::string_view kProfileAdaptive = "adaptive";

struct SchemaUnref {
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
struct ObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct CharsFree {
    void operator()(gchar* text) const { g_free(text); }
};
using SchemaPtr = std::unique_ptr<GSettingsSchema, SchemaUnref>;
using SettingsPtr = std::unique_ptr<GSettings, ObjectUnref>;
using CharsPtr = std::unique_ptr<gchar, CharsFree>;

SchemaPtr lookUpSchema() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();  // not owned
    if (source == nullptr) {
        return nullptr;
    }
    return SchemaPtr(g_settings_schema_source_lookup(source, GSettingsPointerSettings::kSchema, TRUE));
}

std::string lockedKey(const char* key) {
    return std::string("the key ") + key + " of " + GSettingsPointerSettings::kSchema +
           " is locked by the system administrator";
}

}  // namespace

struct GSettingsPointerSettings::Impl {
    SchemaPtr schema;
    SettingsPtr settings;

    bool has(const char* key) const { return g_settings_schema_has_key(schema.get(), key) != FALSE; }
    // Stores the value and waits until the settings store has it, so a failure is seen here.
    PointerResult finish(gboolean stored, const char* key) const {
        if (stored == FALSE) {
            return PointerResult::failed(lockedKey(key));
        }
        g_settings_sync();
        return PointerResult::done();
    }
};

bool gnomeMouseSchemaInstalled() { return lookUpSchema() != nullptr; }

std::unique_ptr<GSettingsPointerSettings> GSettingsPointerSettings::create() {
    auto schema = lookUpSchema();
    if (!schema) {
        return nullptr;
    }
    SettingsPtr settings(g_settings_new_full(schema.get(), nullptr, nullptr));
    auto impl = std::make_unique<Impl>(Impl{std::move(schema), std::move(settings)});
    return std::make_unique<GSettingsPointerSettings>(std::move(impl));
}

GSettingsPointerSettings::GSettingsPointerSettings(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
GSettingsPointerSettings::~GSettingsPointerSettings() = default;

PointerControls GSettingsPointerSettings::controls() const {
    return {impl_->has(kProfileKey), false, impl_->has(kSpeedKey), false, impl_->has(kDoubleClickKey)};
}

PointerRead<AccelProfile> GSettingsPointerSettings::getAccelProfile() {
    if (!impl_->has(kProfileKey)) {
        return PointerRead<AccelProfile>::unavailable();
    }
    const CharsPtr profile(g_settings_get_string(impl_->settings.get(), kProfileKey));
    return PointerRead<AccelProfile>::of(kProfileFlat == profile.get() ? AccelProfile::flat : AccelProfile::adaptive);
}

PointerResult GSettingsPointerSettings::setAccelProfile(AccelProfile profile) {
    if (!impl_->has(kProfileKey)) {
        return PointerResult::unavailable();
    }
    const bool adaptive = profile == AccelProfile::adaptive;
    const CharsPtr current(g_settings_get_string(impl_->settings.get(), kProfileKey));
    if (adaptive && kProfileDefault == current.get()) {
        return PointerResult::done();  // already adaptive; keep following the desktop's default
    }
    const auto wanted = adaptive ? kProfileAdaptive : kProfileFlat;
    return impl_->finish(g_settings_set_string(impl_->settings.get(), kProfileKey, wanted.data()), kProfileKey);
}

PointerRead<double> GSettingsPointerSettings::getPointerSpeed() {
    if (!impl_->has(kSpeedKey)) {
        return PointerRead<double>::unavailable();
    }
    return PointerRead<double>::of(g_settings_get_double(impl_->settings.get(), kSpeedKey));
}

PointerResult GSettingsPointerSettings::setPointerSpeed(double speed) {
    if (!impl_->has(kSpeedKey)) {
        return PointerResult::unavailable();
    }
    if (!(speed >= kSlowestPointerSpeed && speed <= kFastestPointerSpeed)) {
        return PointerResult::failed("pointer speed " + std::to_string(speed) + " outside -1..1");
    }
    return impl_->finish(g_settings_set_double(impl_->settings.get(), kSpeedKey, speed), kSpeedKey);
}

PointerRead<std::uint32_t> GSettingsPointerSettings::getWheelScrollLines() {
    return PointerRead<std::uint32_t>::unavailable();
}

PointerResult GSettingsPointerSettings::setWheelScrollLines(std::uint32_t) { return PointerResult::unavailable(); }

PointerRead<unsigned> GSettingsPointerSettings::getDoubleClickTime() {
    if (!impl_->has(kDoubleClickKey)) {
        return PointerRead<unsigned>::unavailable();
    }
    const int milliseconds = g_settings_get_int(impl_->settings.get(), kDoubleClickKey);
    if (milliseconds <= 0) {
        return PointerRead<unsigned>::failed("double-click time of " + std::to_string(milliseconds) + " ms");
    }
    return PointerRead<unsigned>::of(static_cast<unsigned>(milliseconds));
}

PointerResult GSettingsPointerSettings::setDoubleClickTime(unsigned milliseconds) {
    if (!impl_->has(kDoubleClickKey)) {
        return PointerResult::unavailable();
    }
    if (milliseconds > static_cast<unsigned>(std::numeric_limits<int>::max())) {
        return PointerResult::failed("double-click time out of range");
    }
    return impl_->finish(g_settings_set_int(impl_->settings.get(), kDoubleClickKey, static_cast<int>(milliseconds)),
                         kDoubleClickKey);
}

}  // namespace tarvik::platform
