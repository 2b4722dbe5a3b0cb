"""Dravon from Python: borehole courses by minimum curvature, their ISCWSA positional
uncertainty, the clearance against neighbouring wells, and the survey file formats.

Every function calls the engine of the batch tool ``dravon-cli``; keyword arguments are
its options with ``_`` for ``-``. Faults raise :class:`dravon.Error` with the program's
message in the chosen language (``set_language``).
"""

from ._dravon import (  # noqa: F401
    Error,
    Survey,
    Warning,
    clearance,
    course,
    covariances,
    language,
    positions_at_md,
    positions_at_tvd,
    positions_every,
    read,
    set_language,
    write,
)

__all__ = [
    "Error",
    "Survey",
    "Warning",
    "clearance",
    "course",
    "covariances",
    "language",
    "positions_at_md",
    "positions_at_tvd",
    "positions_every",
    "read",
    "set_language",
    "write",
]
