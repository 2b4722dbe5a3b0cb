# Type stubs of the package dravon (its extension dravon._dravon).
from os import PathLike
from typing import Any, Dict, List, Optional, Sequence, Tuple, Union

import numpy as np
import numpy.typing as npt

_Array = npt.NDArray[np.float64]
_ArrayLike = npt.ArrayLike
_Path = Union[str, "PathLike[str]"]
_Option = Any  # a number, a text, a tuple of numbers, a list of texts, a flag or None

class Error(Exception):
    """A fault the program tells its user; str(e) is its message in the chosen language."""

    line: Optional[int]
    text: Optional[str]

class Warning(UserWarning):
    """What the program says without refusing (an offset left out of the scan, ...)."""

class Survey:
    """A well: name, settings and stations (m, degrees)."""

    name: str
    settings: Dict[str, Any]
    def __init__(
        self,
        md: _ArrayLike,
        inclination: _ArrayLike,
        azimuth: _ArrayLike,
        *,
        name: str = ...,
        settings: Optional[Dict[str, Any]] = ...,
    ) -> None: ...
    @property
    def md(self) -> _Array: ...
    @property
    def inclination(self) -> _Array: ...
    @property
    def azimuth(self) -> _Array: ...
    @property
    def info(self) -> List[str]: ...
    @property
    def notices(self) -> List[str]: ...
    @property
    def tie_in(self) -> Optional[Tuple[float, float, float, float, float, float]]: ...
    def __len__(self) -> int: ...

def read(path: str, format: Optional[str] = ..., **options: _Option) -> Survey: ...
def course(
    md: Union[Survey, _ArrayLike],
    inclination: Optional[_ArrayLike] = ...,
    azimuth: Optional[_ArrayLike] = ...,
    *,
    tie_in: Optional[Sequence[float]] = ...,
    only: Optional[Union[str, Sequence[str]]] = ...,
    **options: _Option,
) -> Dict[str, Any]: ...
def positions_at_md(
    survey: Union[Survey, Tuple[_ArrayLike, _ArrayLike, _ArrayLike]],
    depths: _ArrayLike,
    **options: _Option,
) -> Dict[str, Any]: ...
def positions_at_tvd(
    survey: Union[Survey, Tuple[_ArrayLike, _ArrayLike, _ArrayLike]],
    depths: _ArrayLike,
    **options: _Option,
) -> Dict[str, Any]: ...
def positions_every(
    survey: Union[Survey, Tuple[_ArrayLike, _ArrayLike, _ArrayLike]],
    step: float,
    **options: _Option,
) -> Dict[str, Any]: ...
def covariances(
    md: Union[Survey, _ArrayLike],
    inclination: Optional[_ArrayLike] = ...,
    azimuth: Optional[_ArrayLike] = ...,
    *,
    hla: bool = ...,
    **options: _Option,
) -> _Array: ...
def clearance(
    reference: Survey,
    offsets: List[Union[Survey, Tuple[Survey, Dict[str, Any]]]],
    **options: _Option,
) -> List[Dict[str, Any]]: ...
def write(path: str, survey: Survey, **options: _Option) -> None: ...
def set_language(language: str) -> None: ...
def language() -> str: ...
