// Writes examples/example.dvn: the survey of a deviated well (vertical to the kick-off
// point, a smooth build-up, a tangent section with a slow azimuth walk) as a document
// file in the free format. Build and run from the repository root:
//   g++ -std=c++20 -I. tools/make_example_dvn.cpp document/docfile.cpp document/wellsettings.cpp
//       core/cformat.cpp core/win1252.cpp core/utf8.cpp -o /tmp/make_example_dvn
//   /tmp/make_example_dvn examples/example.dvn
#include "core/cformat.h"
#include "core/win1252.h"
#include "document/docfile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_example_dvn OUTPUT.dvn\n");
        return 2;
    }
    DocumentItems doc;
    doc.m_Name = win1252::fromUtf8("Bohrung Mühlenfeld Z3");
    doc.m_Format = 1;
    doc.m_Info = { win1252::fromUtf8("Kreiselmessung vom 14.03.1997, Messpunkte alle 30 m"),
        win1252::fromUtf8("Azimut bezogen auf geographisch Nord, Teufen ab Drehtisch") };

    const int stations = 96;
    const double kickOff = 450.0; // the hole is nearly vertical down to here
    const double buildRate = 2.5; // degrees per 30 m during the build-up
    const double holdInclination = 38.0;
    for (int i = 1; i <= stations; ++i) {
        const double depth = 30.0 * i + 0.4 * std::sin(i * 1.7); // slightly uneven spacing
        double inclination;
        double azimuth;
        if (depth < kickOff) {
            // Small wandering of a vertical hole; never exactly straight.
            inclination = 0.3 + 0.2 * std::sin(i * 0.9);
            azimuth = 140.0 + 60.0 * std::sin(i * 0.45);
        } else {
            const double built = (depth - kickOff) / 30.0 * buildRate;
            inclination = std::min(holdInclination, 0.5 + built) + 0.15 * std::sin(i * 1.3);
            azimuth = 62.0 + 0.08 * (depth - kickOff) / 30.0 * 3.0 + 0.4 * std::sin(i * 0.7);
        }
        doc.m_Eingabe.push_back(cfmt("%8.2f  %7.2f  %7.2f", depth, inclination, azimuth));
    }

    const std::string bytes = encodeDocument(doc);
    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()
        || std::fclose(out) != 0) {
        std::fprintf(stderr, "make_example_dvn: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
