// The unit of lengths in listings, exports and the new dialogs. Stations, the results
// table and the stored lengths are always metres; only what is shown or written out is
// converted.
#pragma once

enum class LengthUnit {
    Metre,
    Foot,
};
