// The spherical harmonic models behind fieldAt(): Gauss coefficients (Schmidt
// semi-normalised, nT) at one or more epochs, read from the files in models/ that are
// compiled into the library, and the field they give at a point.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace magnetic {

// g and h of degrees 1 to `degree`, (n, m) at n(n+1)/2 + m; the degree 0 terms are 0.
struct Coefficients
{
    int degree = 0;
    std::vector<double> g, h;

    Coefficients() = default;
    explicit Coefficients(int degree);
    static std::size_t index(int n, int m) { return std::size_t(n) * (n + 1) / 2 + m; }
};

struct Model
{
    std::string name; // "WMM2025", "IGRF-14"
    std::vector<double> epochs; // decimal years, ascending
    std::vector<Coefficients> main; // one per epoch
    // The yearly change after the last epoch (the WMM's one epoch); degree 0 when the
    // model ends at its last epoch and is interpolated linearly between them (IGRF).
    Coefficients secular;
    double validFrom = 0, validUntil = 0;
};

// The World Magnetic Model's .COF layout: a header line (epoch, name, release date), one
// line "n m g h ġ ḣ" per degree and order, closed by a line of nines. The header's name
// without its hyphen ("WMM-2025") must be `name`, so that a file shipped under the wrong
// name is noticed. Valid from the epoch for `years`. `error` says why when it is empty.
Model parseCof(std::string_view text, const std::string &name, double years, std::string &error);

// IAGA's .SHC layout of the IGRF: comment lines (#), a line "nmin nmax epochs order step
// first last", the line of the epochs, then one line "n m value…" per coefficient, g
// before h for each order above 0 (h also as a negative order). The last epoch of IGRF-14
// is its prediction for 2030 (2025 and five years of secular variation): interpolating
// up to it is the secular variation after 2025.
Model parseShc(std::string_view text, const std::string &name, std::string &error);

// The models shipped with the program, newest first; their files are checked by the
// tests, so a faulty one stops the build's tests rather than a user's survey.
const std::vector<Model> &shippedModels();
// The shipped model for a decimal year (see field.h), or none outside them all.
const Model *modelForYear(double year);

// The field (nT) towards geocentric north, east and down at a point given in spherical
// geocentric coordinates (radius in metres, colatitude and longitude in degrees).
struct Components
{
    double north = 0, east = 0, down = 0;
};
Components geocentricField(
    const Model &model, double year, double radiusM, double colatitudeDeg, double longitudeDeg);
// The same along the WGS 84 ellipsoid's north, east and down at a geodetic point.
Components geodeticField(
    const Model &model, double year, double latitudeDeg, double longitudeDeg, double heightM);

} // namespace magnetic
