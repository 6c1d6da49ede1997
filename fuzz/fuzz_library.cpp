// Library files from arbitrary bytes: every input is either refused with a LibraryError or read
// into concretes that pass Create Concrete's rules and steels that pass the steel's, and a
// library read is written and read again to the very same text. Anything else (a crash, another exception, a library that does
// not read back as itself) is a finding.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "formats/LibraryFile.h"
#include "model/DefinitionRules.h"
#include "steel/Steel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = QStringLiteral("fuzz.json");
    MaterialLibrary read;
    try {
        read = ParseMaterialLibrary(bytes, path);
    } catch (const LibraryError&) {
        return 0;
    }
    const ConcreteRegistry& library = read.concretes;

    for (const auto& concrete : library) {
        Definition d;
        d.name = concrete->ConcreteName;
        d.Ec = concrete->Ec;
        d.fck = concrete->fck;
        d.ftk = concrete->ftk;
        d.eck = concrete->eck;
        d.etk = concrete->etk;
        d.ac = concrete->ac;
        d.at = concrete->at;
        d.ecmax = concrete->ecmax;
        d.etmax = concrete->etmax;
        if (CheckDefinition(d))
            std::abort();  // a concrete the window would refuse got in
        // δc belongs to mean values, valid, and to them only.
        if (concrete->basis == StrengthBasis::Mean ? !ValidCoefficientOfVariation(concrete->cv)
                                                   : concrete->cv != 0)
            std::abort();
    }

    for (const auto& steel : read.steels) {
        SteelValues v;
        v.name = steel->SteelName;
        v.Es = steel->Es;
        v.fy = steel->fy;
        v.fst = steel->fst;
        v.euy = steel->euy;
        v.eu = steel->eu;
        if (CheckSteel(v) || CheckSteelNameUntrimmed(v.name) ||
            (steel->basis == StrengthBasis::Mean && !ValidCoefficientOfVariation(steel->cv)))
            std::abort();  // a steel the window would refuse got in
    }

    const QByteArray written = LibraryJson(read.concretes, read.steels);
    try {
        const MaterialLibrary again = ParseMaterialLibrary(written, path);
        if (LibraryJson(again.concretes, again.steels) != written)
            std::abort();
    } catch (const LibraryError&) {
        std::abort();  // a library we wrote is refused
    }
    return 0;
}
