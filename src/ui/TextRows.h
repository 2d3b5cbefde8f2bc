// The rows of the interface text catalogue by name, each with its row number in the catalogue
// (the comment is its English text).
#pragma once

namespace tarvik {

enum class TextRow : int {
    BasicSettings = 1,             // Basic Settings
    AdvancedSettings = 2,          // Advanced Settings
    ColorSetting = 3,              // Color Setting
    Ok = 4,                        // OK
    Apply = 5,                     // Apply
    Cancel = 6,                    // Cancel
    KeySetting = 7,                // Key Setting
    ReportRateSetting = 8,         // Report Rate Setting
    DpiSetting = 9,                // DPI Setting
    DefaultKeys = 10,              // Default
    KeyConfiguration1 = 11,        // Key Configuration 1
    KeyConfiguration2 = 12,        // Key Configuration 2
    KeyConfiguration3 = 13,        // Key Configuration 3
    KeyConfiguration4 = 14,        // Key Configuration 4
    AuxiliaryLedSetting = 15,      // Auxiliary LED Setting
    AsRespirationLed = 16,         // As Respiration LED
    AsHeartBeatLed = 17,           // As Heart Beat LED
    AsKeyGroupSwitchLed = 18,      // As Key Group Switch LED
    DpiEffect = 19,                // DPI Effect
    LightMode = 20,                // Mode
    LightParameter = 21,           // Parameter
    LightSpeed = 22,               // Speed
    LightBrightness = 23,          // Brightness
    LightEffect = 24,              // Effect
    ModeOff = 25,                  // Off
    ModeStandard = 26,             // Standard
    ModeRespiration = 27,          // Respiration
    ModeNeon = 28,                 // Neon
    EffectNone = 29,               // Non-Disolay
    EffectRgb = 30,                // RGB Effect
    EffectRgbFlash = 31,           // RGB Flash
    EffectRgbFixedOn = 32,         // RGB Fixed On
    LeftClick = 33,                // Left Click
    RightClick = 34,               // Right Click
    MidClick = 35,                 // Mid Click
    Forward = 36,                  // Forward
    Backward = 37,                 // Backward
    TripleClick = 38,              // Triple-click
    DpiSwitch = 39,                // DPI Switch
    ReportRateSwitch = 40,         // Report Rate Switch
    Shift = 41,                    // Shift
    RgbOnOff = 42,                 // RGB On/Off
    Windows = 43,                  // Windows
    Multimedia = 44,               // Multimedia
    PlayPause = 45,                // -Play/Pause
    FireKey = 46,                  // Fire Key
    SingleKey = 47,                // Single Key
    ComboKey = 48,                 // Combo Key
    MacroKey = 49,                 // Macro Key
    KeyOff = 50,                   // Key Off
    LeftKeyMustBeSelected = 51,    // Left key must be selected!
    HelpLink = 52,                 // the help page address
    SwitchedTo1000Hz = 53,         // Switch report rate into 1000HZ
    SwitchedTo500Hz = 54,          // Switch report rate into 500HZ
    SwitchedTo250Hz = 55,          // Switch report rate into 250HZ
    SwitchedTo125Hz = 56,          // Switch report rate into 125HZ
    SwitchedToDpiStage1 = 57,      // Switch DPI into the first stage
    SwitchedToDpiStage2 = 58,      // Switch DPI into the second stage
    SwitchedToDpiStage3 = 59,      // Switch DPI into the third stage
    SwitchedToDpiStage4 = 60,      // Switch DPI into the fourth stage
    SwitchedToKeyMatrix1 = 61,     // Switch to key matrix 1
    SwitchedToKeyMatrix2 = 62,     // Switch to key matrix 2
    SwitchedToKeyMatrix3 = 63,     // Switch to key matrix 3
    SwitchedToKeyMatrix4 = 64,     // Switch to key matrix 4
    SwitchedToMacroKey = 65,       // Switch to macro key
    Exit = 66,                     // Exit
    MouseNotFound = 67,            // The system did not detect the gaming mouse!
    MouseFound = 68,               // The system detect the gaming mouse.
    MouseSpeed = 69,               // Mouse Speed
    ScrollingSpeed = 70,           // Scrolling Speed
    DoubleClickSpeed = 71,         // Double-Click Speed
    MacroSetting = 72,             // Macro Setting
    SelectMacro = 73,              // Select Macro
    KeyPressSequence = 74,         // Key Press Sequence
    RecordOption = 75,             // Record Option
    EnhancePointerPrecision = 76,  // Enhance Pointer Precision
    ScrollOneScreen = 77,          // Scroll One Screen
    DefaultPointer = 78,           // Default
    MacroName = 79,                // Macro Name
    StartRecording = 80,           // Start Recording
    StopRecording = 81,            // Stop Recording
    LoopTimes = 82,                // Loop Times
    InsertMouseEvent = 83,         // Insert A Mouse Event
    New = 84,                      // New
    Delete = 85,                   // Delete
    Confirm = 86,                  // Confirm
    MacroNameBlank = 87,           // Macro name is blank
    MacroNameExists = 88,          // Macro name already exists
    CtrlBreakStopsRecording = 89,  // Press Ctrl+Break key to stop recording
    NotRecording = 90,             // It doesn’t start recording, unnecessary to press Stop key!
    CaptionSection = 91,           // Setting-EN
};

}  // namespace tarvik
