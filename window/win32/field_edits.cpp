#include "window/win32/field_edits.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

#include "platform/wide_text_win32.h"
#include "window/win32/window_text.h"

namespace zarvek::win32 {
namespace {

// A position counted in characters (code points) as the model counts, in UTF-16 units as the
// edit counts.
WPARAM Utf16Position(const std::wstring& text, std::size_t characters) {
    std::size_t position = 0;
    for (std::size_t c = 0; c < characters && position < text.size(); ++c) {
        const bool pair =
            text[position] >= 0xD800 && text[position] <= 0xDBFF && position + 1 < text.size();
        position += pair ? 2 : 1;
    }
    return position;
}

std::wstring WideText(HWND box) {
    return Widen(WindowText(box));
}

}  // namespace

FieldEdits::FieldEdits(FormModel& form, const std::array<HWND, kFieldCount>& boxes, HWND window,
                       NumberLocale locale, std::function<void(bool)> showWriteGate,
                       std::function<void(bool)> showInputLock,
                       std::function<void(Field)> textChanged)
    : form_(form),
      boxes_(boxes),
      window_(window),
      locale_(std::move(locale)),
      showWriteGate_(std::move(showWriteGate)),
      showInputLock_(std::move(showInputLock)),
      textChanged_(std::move(textChanged)) {
    for (const Field field : AllFields()) {
        SetWindowSubclass(Box(field), EditProc, static_cast<UINT_PTR>(IndexOf(field)),
                          reinterpret_cast<DWORD_PTR>(this));
    }
    form_.SetObserver(this);
}

FieldEdits::~FieldEdits() {
    form_.SetObserver(nullptr);
    for (const Field field : AllFields()) {
        if (IsWindow(Box(field))) {
            RemoveWindowSubclass(Box(field), EditProc, static_cast<UINT_PTR>(IndexOf(field)));
        }
    }
}

void FieldEdits::BoxChanged(HWND box) {
    if (settingText_) {
        return;  // the program's own text, already in the model
    }
    for (const Field field : AllFields()) {
        if (Box(field) == box) {
            form_.SetText(field, WindowText(box));
            return;
        }
    }
}

void FieldEdits::TextChanged(Field field) {
    const std::string& text = form_.Text(field);
    if (WindowText(Box(field)) != text) {
        settingText_ = true;
        SetText(Box(field), text);
        settingText_ = false;
    }
    textChanged_(field);
}

void FieldEdits::SelectionChanged(Field field) {
    ShowSelection(field);
}

void FieldEdits::ShowSelection(Field field) {
    const Selection selection = form_.SelectionOf(field);
    const std::wstring text = WideText(Box(field));
    const WPARAM start = Utf16Position(text, selection.start);
    const WPARAM end = Utf16Position(text, selection.start + selection.length);
    SendMessageW(Box(field), EM_SETSEL, start, static_cast<LPARAM>(end));
}

void FieldEdits::WriteGateChanged(bool open) {
    showWriteGate_(open);
}

void FieldEdits::InputLockChanged(bool locked) {
    showInputLock_(locked);
}

LRESULT CALLBACK FieldEdits::EditProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR field, DWORD_PTR self) {
    return reinterpret_cast<FieldEdits*>(self)->HandleEditMessage(box, static_cast<Field>(field),
                                                                  message, wParam, lParam);
}

LRESULT FieldEdits::HandleEditMessage(HWND box, Field field, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
            // Focus coming back from a box or another program is no entry into the field.
            const auto from = reinterpret_cast<HWND>(wParam);
            if (from != nullptr && GetAncestor(from, GA_ROOT) == window_) {
                form_.EnterField(field);
            }
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
            // The focus going to a box or another program comes back to the field.
            const auto to = reinterpret_cast<HWND>(wParam);
            const bool staysInWindow = to != nullptr && GetAncestor(to, GA_ROOT) == window_;
            const FocusLoss loss = !staysInWindow       ? FocusLoss::WindowLeft
                                   : movingFocusForNew_ ? FocusLoss::ByNew
                                                        : FocusLoss::MovedOn;
            form_.LeaveField(field, loss, locale_);
            return result;
        }
        case WM_LBUTTONDOWN: {
            const bool entering = GetFocus() != box;
            const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
            // The click placed the caret after the focus arrived; show the model's selection.
            if (entering && GetFocus() == box && RulesOf(field).selectsAllOnFocus) {
                ShowSelection(field);
            }
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void FieldEdits::FocusRequested(Field field) {
    // A move within the window: the box left is left as on Tab.
    SetFocus(Box(field));
}

void FieldEdits::MoveFocusForNew(Field field) {
    // The box losing the focus hears of it inside SetFocus, while the flag is up.
    movingFocusForNew_ = true;
    SetFocus(Box(field));
    movingFocusForNew_ = false;
}

}  // namespace zarvek::win32
