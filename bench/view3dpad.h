// The pad the 3D view is timed with: ten wells of 3000 stations each from slots 10 m
// apart, vertical at the top, then building, holding and turning, each toward its own
// azimuth, with the covariances of ISCWSA MWD Rev. 5 for a tube at 2 σ.
#pragma once

#include "core/trajectory.h"
#include "scene3d/scene.h"
#include "uncertainty/uncertainty.h"

#include <cmath>
#include <string>
#include <vector>

namespace benchpad {

constexpr int kWells = 10;
constexpr int kStations = 3000;

inline std::vector<scene3d::WellInput> padWells(bool tube = true)
{
    std::vector<scene3d::WellInput> wells;
    unc::Inputs in;
    in.model = ErrorModel::IscwsaMwdRev5;
    in.declination = -4;
    for (int w = 0; w < kWells; ++w) {
        scene3d::WellInput input;
        input.name = "Bohrung " + std::to_string(w + 1);
        input.colour
            = { static_cast<std::uint8_t>(25 * w), 0, static_cast<std::uint8_t>(250 - 25 * w) };
        input.slotEast = 10.0 * w;
        traj::Trajectory &t = input.path;
        t.stations.resize(kStations);
        const double heading = 36.0 * w;
        for (int i = 1; i < kStations; ++i) {
            traj::Station &s = t.stations[static_cast<std::size_t>(i)];
            s.md = 1.5 * i;
            s.inclination = i < 300 ? 0.0 : 0.5 + 70.0 * (1.0 - std::exp(-(i - 300) / 500.0));
            s.azimuth = i < 300 ? 0.0 : std::fmod(heading + 0.01 * i, 360.0);
        }
        traj::computeNumericTrajectory(t);
        if (tube)
            input.covariances = unc::stationCovariances(t, in);
        wells.push_back(std::move(input));
    }
    return wells;
}

inline scene3d::Scene padScene(bool tube = true)
{
    std::vector<scene3d::WellInput> wells = padWells(tube);
    scene3d::SceneOptions options;
    options.sigmas = tube ? 2 : 0;
    return scene3d::buildScene(std::move(wells), options);
}

} // namespace benchpad
