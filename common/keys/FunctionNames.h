#pragma once
// The text a button shows for its function code, in the active language.
// Each program has its own naming rules; the context type selects them.

#include <string>
#include <string_view>

#include "common/keys/FunctionContext.h"

namespace keys {

// ---- orvandesk ----

// The name and what naming the code tells the pages (a fire key's hold
// flag, a key set's colour choice). A text that is not a code has no name.
FunctionNaming NameFunction(const FunctionCode& code, const OrvanFunctionContext& context);
std::u16string FunctionName(const FunctionCode& code, const OrvanFunctionContext& context);
std::u16string FunctionName(std::string_view codeText, const OrvanFunctionContext& context);

// Names of key combinations, gun presets and device macros; empty for
// every other type.
std::u16string CompositeFunctionName(const FunctionCode& code, const OrvanFunctionContext& context);
std::u16string CompositeFunctionName(std::string_view codeText,
                                     const OrvanFunctionContext& context);

// ---- pellisdesk ----

std::u16string FunctionName(const FunctionCode& code, const PellisFunctionContext& context);
std::u16string FunctionName(std::string_view codeText, const PellisFunctionContext& context);
// Key combinations only; empty for every other type.
std::u16string CompositeFunctionName(const FunctionCode& code,
                                     const PellisFunctionContext& context);
std::u16string CompositeFunctionName(std::string_view codeText,
                                     const PellisFunctionContext& context);

// ---- both ----

// Modifiers in the order Ctrl, Shift, Alt, Win, then the first and second
// key's usage names, joined with "+". Empty when the code names none.
std::u16string KeyCombinationName(const FunctionCode& code);

}  // namespace keys
