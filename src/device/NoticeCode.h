// The program's device notice numbers: the switch codes the mouse reports on its event
// collection and the outcome of the mouse search. The user sink carries them as numbers.
#pragma once

namespace tarvik {

enum class NoticeCode : int {
    ReportRate = 5,   // value: the rate's code (1, 2, 4, 8)
    DpiStage = 7,     // value: the stage, 1-4
    KeyMatrix = 8,    // value: the key matrix
    MacroKey = 9,     // value: the macro key
    MouseFound = 14,  // the mouse answered the handshake
    MouseNotFound = 15,
};

// The number a notice carries through the user sink and into the debug log.
constexpr int noticeNumber(NoticeCode code) { return static_cast<int>(code); }

// The code of a received number; a number outside the list stays as it is and names no code.
constexpr NoticeCode noticeCode(int number) { return static_cast<NoticeCode>(number); }

}  // namespace tarvik
