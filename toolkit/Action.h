#pragma once
// Named commands with one handler each, and the list that owns them.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class Action {
  public:
    std::wstring caption;
    std::wstring hint;
    std::function<void()> onExecute;

    // Runs onExecute (if set). Exceptions pass to the caller, so a flow that
    // executes several actions stops at the first failure.
    void execute();
};

class ActionList {
  public:
    // Adds (or returns the existing) action of that name; references stay valid.
    Action& add(const std::wstring& name);
    // nullptr when there is no action of that name.
    Action* find(const std::wstring& name);
    // The action of that name; throws std::out_of_range when there is none.
    Action& operator[](const std::wstring& name);
    // Executes the named action; throws std::out_of_range when there is none.
    void execute(const std::wstring& name);
    std::size_t count() const { return order_.size(); }
    // Names in the order they were added.
    const std::vector<std::wstring>& names() const { return order_; }

  private:
    std::map<std::wstring, std::unique_ptr<Action>> actions_;
    std::vector<std::wstring> order_;
};

} // namespace tk
