# Runs the built corekit tool as a user would: a good conversion prints every form, bad input ends
# with one line on standard error and exit code 2, and prints nothing on standard output.
function(expect_run expected_code)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} RESULT_VARIABLE code
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "corekit ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# expect_shows(text...): the last run's output holds each text.
function(expect_shows)
  foreach(form IN LISTS ARGN)
    string(FIND "${out}" "${form}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the output does not show ${form}:\n${out}")
    endif()
  endforeach()
endfunction()

# Every run reads the same leap-second list, whatever the machine's: this one expires 2026-06-28.
set(ENV{COREKIT_LEAP_SECONDS} leap-seconds.list)
expect_run(0 time 2005-06-15T12:30:45)
expect_shows("802873845" "1327, 304258" "303" "1118838645" "Wednesday")

expect_run(0 time 2005-06-15T12:30:45.25 --ns --mode 1 --zone 60)
expect_shows("2005-06-15T12:30:45.250000000" "802873858.250000000" "13:30:45.250000000")
# A fraction of a second rounds to the nearest millisecond or 100 ns, halves up, carrying into
# the seconds.
expect_run(0 time 2005-06-15T12:30:45.9999 --ms)
expect_shows("2005-06-15T12:30:46.000" "802873846.000")
expect_run(0 time --week 1327 --sow 304245.12345675 --ns)
expect_shows("304245.123456800")
expect_run(0 time --seconds 802873858 --mode 2 --date-format yyyy/MM/dd)
expect_shows("Text               2005/06/15")

# A receiver's week and second are true GPS time; a 10-bit week resolves near the reference.
expect_run(0 time --week 400 --sow 86418 --ref 2026-12-07)
expect_shows("UTC                2026-12-07T00:00:00" "TGPSWeek rule      GPS week 1424"
             "GPS week/SOW       2448, 86418" "BDT week/SOW       1092, 86404" "extrapolated")
expect_run(0 time --week 1092 --sow 0 --system bds --json)
expect_shows("\"gps_week\": 2448,")
expect_run(0 time 2016-12-31T23:59:60 --json)
expect_shows("\"gps_utc\": 17," "\"gps_seconds\": 1167264017," "\"leap_expired\": false")
expect_run(0 time 2116-02-12T06:28:15 --json)
expect_shows("\"gps_seconds\": null," "\"gps_week\": 7101," "\"tai\": null,")
expect_run(2 time 2016-12-31 --leap-file no-such-leap-seconds.list)
if(NOT out STREQUAL "" OR NOT err MATCHES "^corekit: time: --leap-file: [^\n]*\n$")
  message(FATAL_ERROR "a missing leap-second file gives\n${out}---\n${err}")
endif()

# The current time: the year is this century's, and --ms shows three decimals.
expect_run(0 now --leap-file leap-seconds.list)
expect_shows("UTC                20" "GPS week" "Text")
expect_run(0 now --ms --zone local)
if(NOT out MATCHES "GPS seconds        [0-9]+\\.[0-9][0-9][0-9]\r?\n")
  message(FATAL_ERROR "corekit now --ms shows no milliseconds:\n${out}")
endif()

# A path splits into its parts and composes again in Windows syntax on every system.
expect_run(0 path "C:\\data\\survey.job" --squeeze 13)
expect_shows("Volume             C" "Directory          \\data" "Extension          .job"
             "Without folder     C:\\survey.job" "Squeezed to 13     C:\\survey.job")

# The tool carries the library's resources and so its version block, 0x1040; so does the library.
# Run natively, its user folder goes into a home folder of the build tree.
if(NOT EMULATOR)
  file(MAKE_DIRECTORY ${HOME_DIR})
  set(ENV{HOME} ${HOME_DIR})
  unset(ENV{XDG_DATA_HOME})
endif()
expect_run(0 info ${LIBRARY})
expect_shows("Application        corekit" "Version            1040" "Folder" ": 1040")
if(NOT out MATCHES "User folder        [^\n]*MorvikTools[/\\]\r?\n" OR
   (NOT EMULATOR AND NOT out MATCHES "/\\.local/share/MorvikTools/"))
  message(FATAL_ERROR "corekit info shows no user folder:\n${out}")
endif()

# Translation through a dictionary beside the tool, in both directions.
get_filename_component(tool_dir ${TOOL} DIRECTORY)
file(WRITE ${tool_dir}/Translate/7/tool_check.txt "[File not found][Datei nicht gefunden]\n")
expect_run(0 translate "File not found" --to 0x0407 --dict tool_check)
expect_shows("Datei nicht gefunden")
expect_run(0 translate "Datei nicht gefunden" --from 1031 --to 9 --dict tool_check)
expect_shows("File not found")

# A module's English menu translated through a dictionary in the tool's folder. The tool itself
# carries no menu.
set(dictionary ${tool_dir}/Translate/c/check_tool_menu.txt)
file(WRITE ${dictionary} "[&File][&Fichier] [E&xit][&Quitter]")
expect_run(0 menu 100 --module ${MENU_PLUGIN} --lang 0x40c --dict check_tool_menu)
file(REMOVE ${dictionary})
expect_shows("&Fichier" "  &Quitter  [102]" "    &Clear list  [111]" "  &Open\\tCtrl+O  [101]")
expect_run(1 menu 100)
if(NOT out STREQUAL "" OR NOT err MATCHES "^corekit: menu: the tool has no menu 100")
  message(FATAL_ERROR "corekit menu 100 without a menu gives\n${out}---\n${err}")
endif()

# The machine's serial ports, or a line saying there are none.
expect_run(0 ports)
if(NOT out MATCHES "^(no serial ports|[^\n]+)\r?\n")
  message(FATAL_ERROR "corekit ports printed nothing:\n${out}")
endif()

# An error text of the library's table, in a language without a dictionary (Russian), and in
# German through the dictionary that comes with the library.
expect_run(0 error -2147220208 --lang 1049)
expect_shows("Code               0x80040510 (-2147220208)" "Language           0x0419"
             "Text               could not open file")
expect_run(0 error 2 --lang de_DE)
expect_shows("Text               Datei nicht gefunden")

# The shipped dictionaries are in UTF-8 on POSIX and in code page 1252 on Windows; in that encoding
# the German umlaut comes out whole, and the dict commands find every text of the library
# translated and no fault.
if(EMULATOR)
  set(ENV{LC_ALL} en_US.UTF-8)  # Wine's code page 1252
  string(ASCII 252 u_umlaut)
else()
  set(ENV{LC_ALL} C.UTF-8)
  string(ASCII 195 188 u_umlaut)
endif()
expect_run(0 error 0x80040015 --lang 0x0407)
expect_shows("Text               Ung${u_umlaut}ltige Eingabe")
expect_run(0 dict extract ${LIBRARY} --output corekit-template.txt)
foreach(language 7 a c 10)
  expect_run(0 dict check Translate/${language}/corekit.txt)
  expect_run(0 dict stats Translate/${language}/corekit.txt --template corekit-template.txt --min 100)
  expect_shows("Missing     0" "Share       100.0%")
endforeach()
expect_run(1 dict stats corekit-template.txt --min 0.5)
expect_shows("Translated  0" "Empty       35" "Share       0.0%")
expect_run(0 dict merge corekit-template.txt Translate/7/corekit.txt)
expect_shows("#: string 4040\n[File not found][Datei nicht gefunden]\n")
file(WRITE faulty-dictionary.txt "[Error # %lx][Fehler]\n[&Open][Oeffnen]\n")
expect_run(1 dict check faulty-dictionary.txt)
expect_shows("faulty-dictionary.txt:1: placeholders differ" "faulty-dictionary.txt:2: the & accelerator is lost")
# Merging the same template again changes nothing.
expect_run(0 dict merge corekit-template.txt Translate/7/corekit.txt -o merged-once.txt)
expect_run(0 dict merge corekit-template.txt merged-once.txt -o merged-twice.txt)
file(READ merged-once.txt once)
file(READ merged-twice.txt twice)
if(NOT once STREQUAL twice)
  message(FATAL_ERROR "a second merge with the same template changed the dictionary")
endif()
# The share shown is never rounded up past the limit.
file(WRITE two-of-three.txt "[a][x] [b][y] [c][]")
expect_run(1 dict stats two-of-three.txt --min 66.7)
string(FIND "${err}" "66.6% translated, below 66.7%" at)
if(at EQUAL -1)
  message(FATAL_ERROR "dict stats rounds up past its limit: ${err}")
endif()
string(ASCII 26 end_of_file)
file(WRITE end-of-file.txt "[a][b]\n${end_of_file}[c][d]\n")
expect_run(1 dict check end-of-file.txt)
expect_shows("end-of-file.txt:2: a byte 0x1A")
# --encoding checks for the named encoding whatever the locale: the GBK text of line 2 is valid
# there, not in UTF-8; the byte 0x81 of line 3 is undefined in cp1252.
string(ASCII 214 208 gbk_text)
string(ASCII 129 undefined_byte)
file(WRITE other-encodings.txt "[a][b]\n[c][${gbk_text}]\n[d][${undefined_byte}]\n")
expect_run(1 dict check other-encodings.txt --encoding UTF-8)
expect_shows("other-encodings.txt:2: bytes that are no character of UTF-8" "other-encodings.txt:3:")
expect_run(1 dict check other-encodings.txt --encoding cp1252)
expect_shows("other-encodings.txt:3: bytes that are no character of cp1252")
expect_run(0 dict check other-encodings.txt --encoding 936)
# A byte order mark is found before any pair is complete.
string(ASCII 255 254 utf16_mark)
file(WRITE only-a-note.txt "${utf16_mark}# a note\n")
expect_run(1 dict check only-a-note.txt)
expect_shows("only-a-note.txt:1: a UTF-16 byte order mark")
unset(ENV{LC_ALL})
# The plain C locale reads UTF-8.
if(NOT EMULATOR)
  set(ENV{LC_ALL} C)
  expect_run(0 dict check Translate/7/corekit.txt)
  unset(ENV{LC_ALL})
endif()

# Each command's refusals, whose details the unit tests check: a missing or unknown argument
# (refused by the parser) and a bad value (refused by the command); a fraction of a second needs
# --ms or --ns.
foreach(bad "time;2005-02-30" "time;--seconds;-1" "time;--nothing" "time;2005-06-15T12:30:45.5"
            "now;--zone;721" "now;--ms;--ns" "path" "path;x;--squeeze;1x" "error"
            "error;0x100000000" "error;1;--lang;xx-YY" "menu" "menu;100;--module;no_such_module" "dict" "dict;extract;no_such_module"
            "dict;stats;no_such_file" "dict;stats;corekit-template.txt;--min;x" "dict;stats;."
            "dict;check;." "dict;check;corekit-template.txt;--encoding;no-such-encoding"
            "dict;merge;corekit-template.txt;.")
  expect_run(2 ${bad})
  string(STRIP "${err}" line)
  if(NOT out STREQUAL "" OR line STREQUAL "" OR line MATCHES "\n")
    message(FATAL_ERROR "corekit ${bad}: expected one line of error and no output, got\n${out}---\n${err}")
  endif()
endforeach()
