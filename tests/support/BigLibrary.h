#pragma once

#include <QString>

#include "formats/LibraryFile.h"
#include "model/GradeFields.h"
#include "model/Registry.h"

// A library file of `count` concretes, grades 15 to 80 in turn, named C0, C1, ..., every one
// shown: what a firm's library of many projects looks like to the window and the command line.
inline void WriteBigLibrary(const QString& path, int count)
{
    ConcreteRegistry concretes;
    for (int i = 0; i < count; ++i) {
        const Definition d =
            GradeDefinition(15 + 5 * (i % 14), '.', StrengthBasis::Characteristic, 0).definition;
        concretes.Add(std::make_unique<CConcrete>("C" + std::to_string(i), d.Ec, d.fck, d.ftk,
                                                  d.ac, d.at, d.eck, d.etk, d.ecmax, d.etmax));
    }
    WriteLibrary(path, concretes);
}
