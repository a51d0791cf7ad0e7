#pragma once

namespace quillmar {

// The codes of the control keys among the characters a key types, as the text control
// reports them to its keyPress handlers.
enum TypedKey : int { kKeyBackspace = 8, kKeyTab = 9, kKeyEnter = 13 };

// A code below the blank, or Delete, types no character of its own.
constexpr bool isControlCode(int code) { return code < 32 || code == 127; }

// Whether a code that a handler leaves reaches the text as a character; 0 swallows the key.
constexpr bool typesCharacter(int code) { return code > 0 && code <= 0xFFFF; }

}  // namespace quillmar
