// Library files from arbitrary bytes: every input is either refused with a LibraryError or read
// into concretes that pass Create Concrete's rules, and a library read is written and read
// again to the very same text. Anything else (a crash, another exception, a library that does
// not read back as itself) is a finding.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "library/LibraryFile.h"
#include "model/DefinitionRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = QStringLiteral("fuzz.json");
    ConcreteRegistry library;
    try {
        library = ParseLibrary(bytes, path);
    } catch (const LibraryError&) {
        return 0;
    }

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

    const QByteArray written = LibraryJson(library);
    try {
        if (LibraryJson(ParseLibrary(written, path)) != written)
            std::abort();
    } catch (const LibraryError&) {
        std::abort();  // a library we wrote is refused
    }
    return 0;
}
