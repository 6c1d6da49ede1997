#include "model/Registry.h"

#include <stdexcept>

std::ptrdiff_t ConcreteRegistry::IndexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i]->ConcreteName == name)
            return static_cast<std::ptrdiff_t>(i);
    return -1;
}

const CConcrete* ConcreteRegistry::Find(std::string_view name) const
{
    const std::ptrdiff_t index = IndexOf(name);
    return index < 0 ? nullptr : entries[static_cast<std::size_t>(index)].get();
}

const CConcrete& ConcreteRegistry::Add(std::unique_ptr<CConcrete> concrete, bool visible)
{
    if (!concrete)
        throw std::invalid_argument("No concrete to register.");
    if (Contains(concrete->ConcreteName))
        throw std::invalid_argument("Concrete with name: \"" + concrete->ConcreteName +
                                    "\" already exists!");
    // Room first in both lists, so a failing allocation leaves them alike.
    entries.reserve(entries.size() + 1);
    shown.reserve(shown.size() + 1);
    entries.push_back(std::move(concrete));
    shown.push_back(visible);
    ++revision;
    return *entries.back();
}

bool ConcreteRegistry::Remove(std::string_view name)
{
    const std::ptrdiff_t index = IndexOf(name);
    if (index < 0)
        return false;
    entries.erase(entries.begin() + index);
    shown.erase(shown.begin() + index);
    ++revision;
    return true;
}

void ConcreteRegistry::Clear()
{
    if (entries.empty())
        return;
    entries.clear();
    shown.clear();
    ++revision;
}

bool ConcreteRegistry::Shown(std::string_view name) const
{
    const std::ptrdiff_t index = IndexOf(name);
    return index >= 0 && shown[static_cast<std::size_t>(index)];
}

void ConcreteRegistry::SetShown(std::string_view name, bool visible)
{
    const std::ptrdiff_t index = IndexOf(name);
    if (index < 0 || shown[static_cast<std::size_t>(index)] == visible)
        return;
    shown[static_cast<std::size_t>(index)] = visible;
    ++revision;
}

std::vector<const CConcrete*> ConcreteRegistry::ShownConcretes() const
{
    std::vector<const CConcrete*> list;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (shown[i])
            list.push_back(entries[i].get());
    return list;
}
