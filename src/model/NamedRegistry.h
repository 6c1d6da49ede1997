#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The materials of one kind in one session, in creation order, each with the flag that says
// whether its curves are shown. The registry owns every material. Names are unique and
// compared byte for byte: exact, case-sensitive, no trimming, so "C30" and "c30" are two.
//
// Traits says where a material keeps its name and what the refusal of a taken name reads:
//   static const std::string& Name(const T&);
//   static std::string TakenMessage(const std::string& name);
//   static constexpr const char* kNothing;   // what Add says about a null pointer
// Concretes and steels share this one implementation; each kind has its own class on top so
// that callers keep speaking of concretes or steels.
//
// Whoever shows a registry (a window) subscribes to it and hears when the list is replaced as a
// whole, so that it draws itself anew; the one who replaces the list need not know who shows it.
template <class T, class Traits>
class NamedRegistry {
public:
    using Entry = std::unique_ptr<T>;
    using const_iterator = typename std::vector<Entry>::const_iterator;

    NamedRegistry() = default;
    // Moving takes the materials, their flags and the revision count; the subscribers stay with
    // the registry they subscribed to, and hear nothing (Replace is what they hear of).
    NamedRegistry(NamedRegistry&& other) noexcept
        : entries(std::move(other.entries)),
          shown(std::move(other.shown)),
          positions(std::move(other.positions)),
          revision(other.revision)
    {
    }
    NamedRegistry& operator=(NamedRegistry&& other) noexcept
    {
        entries = std::move(other.entries);
        shown = std::move(other.shown);
        positions = std::move(other.positions);
        revision = other.revision;
        return *this;
    }

    // The materials in creation order.
    const_iterator begin() const { return entries.begin(); }
    const_iterator end() const { return entries.end(); }
    std::size_t size() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    const Entry& front() const { return entries.front(); }
    const Entry& back() const { return entries.back(); }
    const T& at(std::size_t index) const { return *entries.at(index); }
    std::span<const Entry> Entries() const { return entries; }

    bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }
    // Position of the material with exactly this name, or -1.
    std::ptrdiff_t IndexOf(std::string_view name) const
    {
        const auto found = positions.find(name);
        return found == positions.end() ? -1 : static_cast<std::ptrdiff_t>(found->second);
    }
    const T* Find(std::string_view name) const
    {
        const std::ptrdiff_t index = IndexOf(name);
        return index < 0 ? nullptr : entries[static_cast<std::size_t>(index)].get();
    }

    // Appends a material at the end. Throws std::invalid_argument when its name is taken, so
    // the registry can never hold two of one name; std::bad_alloc leaves it as it was.
    const T& Add(std::unique_ptr<T> material, bool visible = true)
    {
        if (!material) throw std::invalid_argument(Traits::kNothing);
        if (Contains(Traits::Name(*material)))
            throw std::invalid_argument(Traits::TakenMessage(Traits::Name(*material)));
        // Room first in both lists, so a failing allocation leaves them alike.
        entries.reserve(entries.size() + 1);
        shown.reserve(shown.size() + 1);
        positions.emplace(Traits::Name(*material), entries.size());
        entries.push_back(std::move(material));
        shown.push_back(visible);
        ++revision;
        return *entries.back();
    }
    // Deletes the first material with this name; false when there is none.
    bool Remove(std::string_view name)
    {
        const std::ptrdiff_t index = IndexOf(name);
        if (index < 0) return false;
        positions.erase(positions.find(name));
        for (auto& [key, position] : positions)
            if (position > static_cast<std::size_t>(index)) --position;
        entries.erase(entries.begin() + index);
        shown.erase(shown.begin() + index);
        ++revision;
        return true;
    }
    void Clear()
    {
        if (entries.empty()) return;
        entries.clear();
        shown.clear();
        positions.clear();
        ++revision;
    }

    bool Shown(std::size_t index) const { return shown.at(index); }
    bool Shown(std::string_view name) const
    {
        const std::ptrdiff_t index = IndexOf(name);
        return index >= 0 && shown[static_cast<std::size_t>(index)];
    }
    // Sets the flag of the material with this name; a name no material bears changes nothing.
    void SetShown(std::string_view name, bool visible)
    {
        const std::ptrdiff_t index = IndexOf(name);
        if (index < 0 || shown[static_cast<std::size_t>(index)] == visible) return;
        shown[static_cast<std::size_t>(index)] = visible;
        ++revision;
    }
    // The shown materials, in creation order.
    std::vector<const T*> ShownMaterials() const
    {
        std::vector<const T*> list;
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (shown[i]) list.push_back(entries[i].get());
        return list;
    }

    // Counts every change of the list or of a shown flag, so that a caller can tell whether
    // anything changed since it last looked (the library file's "unsaved changes").
    std::uint64_t Revision() const { return revision; }

    // Takes other's materials, flags and revision count in place of its own (a library opened),
    // then tells every subscriber in the order they subscribed. What a subscriber throws comes
    // out of here, the list already replaced. A subscriber being told must not subscribe or
    // unsubscribe.
    void Replace(NamedRegistry&& other)
    {
        *this = std::move(other);
        for (std::size_t i = 0; i < subscribers.size(); ++i)
            subscribers[i].second();
    }
    // Calls replaced after every Replace until Unsubscribe is given the key returned here.
    std::size_t SubscribeReplaced(std::function<void()> replaced)
    {
        subscribers.emplace_back(++lastKey, std::move(replaced));
        return lastKey;
    }
    void Unsubscribe(std::size_t key)
    {
        for (auto it = subscribers.begin(); it != subscribers.end(); ++it) {
            if (it->first == key) {
                subscribers.erase(it);
                return;
            }
        }
    }

private:
    std::vector<Entry> entries;
    std::vector<bool> shown;  // one flag per entry, same order
    // Where each name stands, so that a list of thousands is filled and looked up in linear
    // time. Names are the materials' own, which do not change while they are registered.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const
        {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> positions;
    std::uint64_t revision = 0;
    std::vector<std::pair<std::size_t, std::function<void()>>> subscribers;
    std::size_t lastKey = 0;
};
