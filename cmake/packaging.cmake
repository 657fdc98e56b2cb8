# The Debian package that `make package` builds with CPack: the installed files under /usr, and the
# libraries they need as dpkg-shlibdeps finds them. The fonts are named by hand: the program asks
# for them by family name (see toolkit/qt/font_mapping.h), so no library links to them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parvok)
set(CPACK_PACKAGE_VENDOR "The Parvok developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quantum particle in a box, animated for the classroom")
# Debian keeps each line of the long description within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Parvok shows a quantum particle in a one-dimensional box whose state is a"
    "superposition of the first six stationary states. It plots the real and"
    "imaginary parts of the wavefunction and the probability density, with one"
    "phasor diagram per coefficient, and animates them as each phase turns at a"
    "rate set by its energy."
    "Type the magnitude and angle of each coefficient, normalize them, set the"
    "speed, and watch the whole superposition or one state alone. Export the"
    "picture as SVG, PDF or PNG, print it, or save the data behind it as CSV.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Parvok developers <parvok@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
