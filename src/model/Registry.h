#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Concrete.h"

// The concretes of one session, in creation order, each with the flag that says whether its
// curves are shown. The registry owns every concrete. Names are unique and compared byte for
// byte: exact, case-sensitive, no trimming, so "C30" and "c30" are two concretes.
//
// The window keeps its rows and series in step with it; the library files and the command
// line read and fill it without any window at all.
class ConcreteRegistry {
public:
    using Entry = std::unique_ptr<CConcrete>;
    using const_iterator = std::vector<Entry>::const_iterator;

    ConcreteRegistry() = default;
    ConcreteRegistry(ConcreteRegistry&&) noexcept = default;
    ConcreteRegistry& operator=(ConcreteRegistry&&) noexcept = default;

    // The concretes in creation order.
    const_iterator begin() const { return entries.begin(); }
    const_iterator end() const { return entries.end(); }
    std::size_t size() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    const Entry& front() const { return entries.front(); }
    const Entry& back() const { return entries.back(); }
    const CConcrete& at(std::size_t index) const { return *entries.at(index); }
    std::span<const Entry> Entries() const { return entries; }

    bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }
    // Position of the concrete with exactly this name, or -1.
    std::ptrdiff_t IndexOf(std::string_view name) const;
    const CConcrete* Find(std::string_view name) const;

    // Appends a concrete at the end. Throws std::invalid_argument when its name is taken, so
    // the registry can never hold two concretes of one name; std::bad_alloc leaves it as it was.
    const CConcrete& Add(std::unique_ptr<CConcrete> concrete, bool shown = true);
    // Deletes the first concrete with this name; false when there is none.
    bool Remove(std::string_view name);
    void Clear();

    bool Shown(std::size_t index) const { return shown.at(index); }
    bool Shown(std::string_view name) const;
    // Sets the flag of the concrete with this name; a name no concrete bears changes nothing.
    void SetShown(std::string_view name, bool visible);
    // The shown concretes, in creation order.
    std::vector<const CConcrete*> ShownConcretes() const;

    // Counts every change of the list or of a shown flag, so that a caller can tell whether
    // anything changed since it last looked (the library file's "unsaved changes").
    std::uint64_t Revision() const { return revision; }

private:
    std::vector<Entry> entries;
    std::vector<bool> shown;  // one flag per entry, same order
    std::uint64_t revision = 0;
};
