#pragma once

#include <string>

namespace tesmo {

// Message box styles (they add up) and results.
namespace msgbox {
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace msgbox

// Modal questions to the user. Texts separate lines with carriage returns (character 13).
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
    // The text entered, or "" when the user cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    virtual void Beep() = 0;
};

}  // namespace tesmo
