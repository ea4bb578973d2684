#include "toolkit/Action.h"

#include <stdexcept>

namespace tk {

void Action::execute() {
    if (onExecute)
        onExecute();
}

Action& ActionList::add(const std::wstring& name) {
    auto& slot = actions_[name];
    if (!slot) {
        slot = std::make_unique<Action>();
        order_.push_back(name);
    }
    return *slot;
}

Action* ActionList::find(const std::wstring& name) {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second.get();
}

Action& ActionList::operator[](const std::wstring& name) {
    Action* action = find(name);
    if (!action)
        throw std::out_of_range("no such action");
    return *action;
}

void ActionList::execute(const std::wstring& name) {
    (*this)[name].execute();
}

} // namespace tk
