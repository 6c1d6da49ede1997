#pragma once

#include <string>
#include <vector>

#include "model/NamedRegistry.h"
#include "steel/Steel.h"

struct SteelRegistryTraits {
    static const std::string& Name(const CSteel& steel) { return steel.SteelName; }
    static std::string TakenMessage(const std::string& name)
    {
        return "Steel with name: \"" + name + "\" already exists!";
    }
    static constexpr const char* kNothing = "No steel to register.";
};

// The reinforcing steels of one session, with the same rules as the concretes' registry:
// creation order, unique case-sensitive names, a shown flag each, a revision count.
class SteelRegistry : public NamedRegistry<CSteel, SteelRegistryTraits> {
public:
    // The shown steels, in creation order.
    std::vector<const CSteel*> ShownSteels() const { return ShownMaterials(); }
};
