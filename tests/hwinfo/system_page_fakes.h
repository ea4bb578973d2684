#pragma once
// Stand-ins for the registry and WMI that the System tab's pages read.

#include "device_sources_fake.h"
#include "main_window_fixture.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

class FakeRegistry {
  public:
    void SetString(HKEY root, const std::wstring& key, const std::wstring& name,
                   const std::wstring& value) {
        strings_[{root, key, name}] = value;
    }
    void SetInteger(HKEY root, const std::wstring& key, const std::wstring& name,
                    std::int32_t value) {
        integers_[{root, key, name}] = value;
    }

    TRegStringSource StringSource() {
        return [this](const std::wstring& key, const std::wstring& name, HKEY root) {
            reads.push_back(key + L"|" + name);
            const auto found = strings_.find({root, key, name});
            return found == strings_.end() ? std::wstring() : found->second;
        };
    }
    TRegIntegerSource IntegerSource() {
        return [this](HKEY root, const std::wstring& key, const std::wstring& name) {
            const auto found = integers_.find({root, key, name});
            return found == integers_.end() ? 0 : found->second;
        };
    }

    // Every string read as "key|name", in order.
    std::vector<std::wstring> reads;

  private:
    using Where = std::tuple<HKEY, std::wstring, std::wstring>;
    std::map<Where, std::wstring> strings_;
    std::map<Where, std::int32_t> integers_;
};

using device_fakes::FakeWmi;

// A main window whose System tab pages are run and looked at.
class SystemPageTest : public MainWindowTest {
  protected:
    const tk::ListItem& Row(int index) { return form->LV2->item(index); }
    std::wstring Value(int index) { return Row(index).subItems.at(0); }

    // The page frame's end step has run and no message was shown.
    void ExpectPageEnded() {
        EXPECT_TRUE(form->LV2->visible());
        EXPECT_FALSE(form->Panel3->visible());
        EXPECT_TRUE(form->ButtonGroup2->enabled());
        EXPECT_TRUE(form->print_button->visible());
        EXPECT_TRUE(form->SystemHasContent);
        EXPECT_FALSE(form->Filling());
        EXPECT_TRUE(messages.empty());
    }

    bool ShowsSystemImages() {
        const HIMAGELIST shown = reinterpret_cast<HIMAGELIST>(
            SendMessageW(form->LV2->handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        return shown == form->ImageList3.handle();
    }
};
