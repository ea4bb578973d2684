#pragma once
// Single-line edit box (EDIT). onChange runs on every change of the text,
// typed or set from code.

#include "toolkit/Control.h"

namespace tk {

class Edit : public Control {
  public:
    Edit(Control& parent, int x, int y, int width, int height, const std::wstring& text = {});

    void setText(const std::wstring& text) { setCaption(text); }
    std::wstring text() const { return caption(); }
    void setReadOnly(bool readOnly);
    bool readOnly() const;
    void setBorder(bool border);

    std::function<void()> onChange;

  protected:
    // With edit styles added to the single-line ones (e.g. ES_MULTILINE).
    Edit(Control& parent, int x, int y, int width, int height, const std::wstring& text,
         DWORD extraStyle);

    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

} // namespace tk
