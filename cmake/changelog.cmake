# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# CHANGELOG.md is the one list of releases. zevodave_read_changelog() makes
# Debian's changelog and AppStream's <release> elements from it, so that a
# release is written once.

# Debian's changelog dates name the day of the week, and lintian checks it.
# Sakamoto's method, 0 being Sunday.
function(zevodave_changelog_date out year month day)
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(weekdays Sun Mon Tue Wed Thu Fri Sat)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    list(GET months ${index} month_name)
    set(y ${year})
    if(month LESS 3)
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
    list(GET weekdays ${weekday} weekday_name)
    set(${out} "${weekday_name}, ${day} ${month_name} ${year} 12:00:00 +0000" PARENT_SCOPE)
endfunction()

# Writes Debian's changelog of CHANGELOG to DEBIAN_FILE, each entry signed by
# MAINTAINER, and sets ZEVODAVE_RELEASES_XML (the <release> elements, newest
# first) and ZEVODAVE_RELEASE_DATE (the newest release's day, YYYY-MM-DD).
function(zevodave_read_changelog changelog debian_file maintainer)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${changelog}")
    file(READ "${changelog}" rest)
    string(FIND "${rest}" "\n## " start)
    string(SUBSTRING "${rest}" ${start} -1 rest)
    set(debian "")
    set(xml "")
    set(newest "")
    while(rest MATCHES "^\n## ([^ \n]+) \\(([0-9]+)-([0-9]+)-([0-9]+)\\)\n+")
        set(version "${CMAKE_MATCH_1}")
        set(date "${CMAKE_MATCH_2}-${CMAKE_MATCH_3}-${CMAKE_MATCH_4}")
        string(LENGTH "${CMAKE_MATCH_0}" heading)
        zevodave_changelog_date(stamp ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4})
        if(newest STREQUAL "")
            set(newest "${version}")
            set(ZEVODAVE_RELEASE_DATE "${date}" PARENT_SCOPE)
        endif()

        string(SUBSTRING "${rest}" ${heading} -1 rest)
        string(FIND "${rest}" "\n## " next)
        string(SUBSTRING "${rest}" 0 ${next} notes)
        if(next EQUAL -1)
            set(rest "")
        else()
            string(SUBSTRING "${rest}" ${next} -1 rest)
        endif()
        string(STRIP "${notes}" notes)

        # "- " items become "  * ", and their continuation lines move along.
        string(REPLACE "\n  " "\n    " items "\n${notes}")
        string(REPLACE "\n- " "\n  * " items "${items}")
        string(APPEND debian "${PROJECT_NAME} (${version}) unstable; urgency=medium\n"
            "${items}\n\n -- ${maintainer}  ${stamp}\n\n")

        string(REPLACE "&" "&amp;" items "${notes}")
        string(REPLACE "<" "&lt;" items "${items}")
        string(REPLACE ">" "&gt;" items "${items}")
        string(REPLACE "\n  " " " items "${items}")
        string(REGEX REPLACE "^- " "" items "${items}")
        string(REPLACE "\n- " "</li>\n          <li>" items "${items}")
        string(APPEND xml "    <release version=\"${version}\" date=\"${date}\">\n"
            "      <description>\n        <ul>\n          <li>${items}</li>\n"
            "        </ul>\n      </description>\n    </release>\n")
    endwhile()
    if(NOT newest STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${changelog}: the newest release is \"${newest}\", "
            "not the project's version ${PROJECT_VERSION}")
    endif()

    string(STRIP "${debian}" debian)
    file(WRITE "${debian_file}.new" "${debian}\n")
    file(COPY_FILE "${debian_file}.new" "${debian_file}" ONLY_IF_DIFFERENT)
    file(REMOVE "${debian_file}.new")
    string(STRIP "${xml}" xml)
    set(ZEVODAVE_RELEASES_XML "    ${xml}" PARENT_SCOPE)
endfunction()
