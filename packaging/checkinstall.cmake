# Installs a build tree into an empty folder and checks the installation: every file of the
# desktop application is in place, and the installed plenara-cli finds its climate data
# through <prefix>/share/plenara as it does when installed by the Debian package.
#
#   cmake -DBUILD_DIR=<build tree> -DPREFIX=<folder to install into> -P checkinstall.cmake

if(NOT BUILD_DIR OR NOT PREFIX)
    message(FATAL_ERROR "Usage: cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -P checkinstall.cmake")
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(expected
    "bin/plenara"
    "bin/plenara-cli"
    "lib/plenara/plenara-pdf.so"
    "lib/plenara/plenara-xlsx.so"
    "share/plenara/ClimateData.Dat"
    "share/plenara/GridCO2ByState.csv"
    "share/plenara/FuelCO2Factors.csv"
    "share/plenara/GridLossFactors.csv"
    "share/plenara/examples/csv/buildings.csv"
    "share/plenara/examples/csv/bills.csv"
    "share/plenara/examples/projects/ElmStreetTowers.TAV"
    "share/plenara/Plenara Version 2.1.qch"
    "share/plenara/Plenara Version 2.1.qhc"
    "share/applications/plenara.desktop"
    "share/icons/hicolor/scalable/apps/plenara.svg"
    "share/mime/packages/plenara.xml")
set(missing "")
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        list(APPEND missing "${file}")
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "Missing from the installation in ${PREFIX}:\n  ${missing}")
endif()

# The menu entry starts the installed program with the file it is given, as the MIME type
# it declares.
file(READ "${PREFIX}/share/applications/plenara.desktop" desktop)
file(READ "${PREFIX}/share/mime/packages/plenara.xml" mime)
if(NOT desktop MATCHES "\nExec=plenara %f\n")
    message(FATAL_ERROR "The menu entry does not start plenara with a file (Exec=plenara %f)")
endif()
if(NOT desktop MATCHES "\nMimeType=application/x-plenara-project;\n"
   OR NOT mime MATCHES "type=\"application/x-plenara-project\"")
    message(FATAL_ERROR "The menu entry and the MIME type do not name the same project type")
endif()

# Run from another folder, so that only the installed layout can lead it to its data.
execute_process(
    COMMAND "${PREFIX}/bin/plenara-cli" --sample
    WORKING_DIRECTORY "${PREFIX}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "11\\. Simple Payback")
    message(FATAL_ERROR "The installed plenara-cli --sample failed (${result}):\n${output}${errors}")
endif()
# The emission data are found as well: no warning about them.
if(errors MATCHES "CO2")
    message(FATAL_ERROR "The installed plenara-cli does not find its emission data:\n${errors}")
endif()
# The installed plenara-cli finds its PDF module beside the bin folder.
execute_process(
    COMMAND "${PREFIX}/bin/plenara-cli" --sample --pdf "${PREFIX}/check.pdf"
    WORKING_DIRECTORY "${PREFIX}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/check.pdf")
    message(FATAL_ERROR "The installed plenara-cli --pdf failed (${result}):\n${output}${errors}")
endif()
# The installed examples screen alike as project files and as a CSV pair; the spreadsheet is
# written by the XLSX module beside the bin folder.
foreach(input projects csv)
    execute_process(
        COMMAND "${PREFIX}/bin/plenara-cli" screen "${PREFIX}/share/plenara/examples/${input}"
                --xlsx "${PREFIX}/check-${input}.xlsx"
        WORKING_DIRECTORY "${PREFIX}"
        RESULT_VARIABLE result
        OUTPUT_VARIABLE screened_${input}
        ERROR_VARIABLE errors)
    if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/check-${input}.xlsx")
        message(FATAL_ERROR "The installed plenara-cli screen ${input} failed (${result}):\n${errors}")
    endif()
endforeach()
if(NOT screened_projects STREQUAL screened_csv)
    message(FATAL_ERROR "The installed examples screen differently as project files and as CSV")
endif()
message(STATUS "Installation in ${PREFIX} is complete; plenara-cli finds its data, PDF and XLSX modules.")
