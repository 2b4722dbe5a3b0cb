# Whether the Python module dravon (python/) is built: by default when pybind11, the
# Python headers and numpy are there. Included before the layers, whose code then is
# position-independent.
# The module is for the system's Python, whose Debian packages (numpy, pytest, the
# package's own dist-packages folder) it is tested and installed with: a python3 first on
# PATH from elsewhere (pyenv, a virtual environment) usually lacks them. Another
# interpreter is chosen with -DPython3_EXECUTABLE=...
if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3 CACHE FILEPATH "The Python the module is built for")
endif()
find_package(Python3 3.9 QUIET COMPONENTS Interpreter Development.Module NumPy)
if(Python3_FOUND)
  # pybind11 takes the Python found above.
  find_package(pybind11 2.6 CONFIG QUIET)
endif()
set(dravon_python_found OFF)
if(Python3_FOUND AND pybind11_FOUND)
  set(dravon_python_found ON)
endif()
option(DRAVON_PYTHON "Build the Python module dravon (pybind11, the Python headers, numpy)"
  ${dravon_python_found})
if(DRAVON_PYTHON AND NOT dravon_python_found)
  message(FATAL_ERROR "DRAVON_PYTHON needs pybind11-dev, python3-dev and python3-numpy "
    "(tools/install-deps installs them)")
endif()
# The static libraries of the layers go into the module, a shared object: their code must
# be position-independent. Calls inside them stay direct (no interposition of our own
# functions), as in the programs.
if(DRAVON_PYTHON)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fno-semantic-interposition)
endif()

