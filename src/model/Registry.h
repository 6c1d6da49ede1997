#pragma once

#include <string>
#include <vector>

#include "model/Concrete.h"
#include "model/NamedRegistry.h"

struct ConcreteRegistryTraits {
    static const std::string& Name(const CConcrete& concrete) { return concrete.ConcreteName; }
    static std::string TakenMessage(const std::string& name)
    {
        return "Concrete with name: \"" + name + "\" already exists!";
    }
    static constexpr const char* kNothing = "No concrete to register.";
};

// The concretes of one session (see NamedRegistry for the rules).
//
// The window keeps its rows and series in step with it; the library files and the command
// line read and fill it without any window at all.
class ConcreteRegistry : public NamedRegistry<CConcrete, ConcreteRegistryTraits> {
public:
    // The shown concretes, in creation order.
    std::vector<const CConcrete*> ShownConcretes() const { return ShownMaterials(); }
};
