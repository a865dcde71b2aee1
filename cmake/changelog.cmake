# SPDX-License-Identifier: GPL-3.0-or-later
# The project's releases are kept once, in the Debian changelog at the top of the source tree:
# the package ships it as it is, and the AppStream metainfo lists the same releases, made from
# it here. Its latest entry must be the project version, so neither can fall behind.

# Sets `out` to the <release> elements of the changelog `file`, newest first, each with its
# date and its items as a list. Stops the configuration at a line outside the format.
function(corvane_changelog_releases file out)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} text)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(indent "    ")
    set(releases "")
    set(version "")
    set(items "")
    set(item "")
    set(number 0)
    # Line by line without CMake lists: a ";" or "[" in a line would split or join them.
    while(NOT text STREQUAL "")
        math(EXPR number "${number} + 1")
        string(FIND "${text}" "\n" end)
        if(end EQUAL -1)
            set(line "${text}")
            set(text "")
        else()
            string(SUBSTRING "${text}" 0 ${end} line)
            math(EXPR end "${end} + 1")
            string(SUBSTRING "${text}" ${end} -1 text)
        endif()

        if(line MATCHES "^corvane \\(([^) ]+)\\) [^;]+; urgency=[a-z]+$")
            if(NOT version STREQUAL "")
                message(FATAL_ERROR "${file}:${number}: the entry above has no closing line")
            endif()
            set(version "${CMAKE_MATCH_1}")
            if(releases STREQUAL "" AND NOT version STREQUAL PROJECT_VERSION)
                message(FATAL_ERROR "${file}: the latest release is ${version}, the project "
                    "version ${PROJECT_VERSION}; add an entry for ${PROJECT_VERSION}")
            endif()
        elseif(NOT version STREQUAL "" AND line MATCHES "^  \\* (.+)$")
            set(item "${CMAKE_MATCH_1}")
        elseif(NOT item STREQUAL "" AND line MATCHES "^    (.+)$")
            string(APPEND item " ${CMAKE_MATCH_1}")
        elseif(NOT version STREQUAL "" AND line MATCHES
                "^ -- .+ <.+>  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
            set(day "${CMAKE_MATCH_1}")
            set(year "${CMAKE_MATCH_3}")
            list(FIND months "${CMAKE_MATCH_2}" month)
            if(month EQUAL -1 OR items STREQUAL "")
                message(FATAL_ERROR "${file}:${number}: no month, or an entry without items")
            endif()
            math(EXPR month "${month} + 1")
            if(month LESS 10)
                set(month "0${month}")
            endif()
            string(LENGTH "${day}" length)
            if(length EQUAL 1)
                set(day "0${day}")
            endif()
            string(APPEND releases
                "${indent}<release version=\"${version}\" date=\"${year}-${month}-${day}\">\n"
                "${indent}  <description>\n${indent}    <ul>\n${items}"
                "${indent}    </ul>\n${indent}  </description>\n${indent}</release>\n")
            set(version "")
            set(items "")
        elseif(NOT line STREQUAL "")
            message(FATAL_ERROR "${file}:${number}: not a line of a Debian changelog entry")
        endif()

        # An item is complete once the next line is not its continuation.
        if(NOT item STREQUAL "" AND NOT text MATCHES "^    [^ ]")
            string(REPLACE "&" "&amp;" item "${item}")
            string(REPLACE "<" "&lt;" item "${item}")
            string(REPLACE ">" "&gt;" item "${item}")
            string(APPEND items "${indent}      <li>${item}</li>\n")
            set(item "")
        endif()
    endwhile()
    if(NOT version STREQUAL "" OR releases STREQUAL "")
        message(FATAL_ERROR "${file}: no release, or the last entry has no closing line")
    endif()
    string(REGEX REPLACE "\n$" "" releases "${releases}")
    set(${out} "${releases}" PARENT_SCOPE)
endfunction()
