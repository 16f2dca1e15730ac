# Every dynamic symbol that the library exports belongs to its exported interface: exported classes
# and functions (capitalised names), the kx_ namespaces, operators, and their type information and
# virtual tables. Nothing of the standard library or of the library's internal namespace.
if(WINDOWS)
  # The DLL's export table, demangled.
  execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE table RESULT_VARIABLE result)
  string(FIND "${table}" "[Ordinal/Name Pointer] Table" names_at)
  string(SUBSTRING "${table}" ${names_at} -1 table)
  string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" entries "${table}")
  list(TRANSFORM entries REPLACE "^\t\\[ *[0-9]+\\] " "")
  # 32-bit __stdcall functions (the COM methods) carry their argument bytes: Release@4.
  list(TRANSFORM entries REPLACE "@[0-9]+$" "")
  execute_process(COMMAND ${CXXFILT} ${entries} OUTPUT_VARIABLE demangled)
  string(REGEX REPLACE "([^\n]+)" "0 T \\1" listing "${demangled}")
else()
  execute_process(COMMAND ${NM} -D --defined-only -C ${LIBRARY} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot read the exports of ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(bad "")
set(count 0)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
    continue()
  endif()
  set(name "${CMAKE_MATCH_1}")
  math(EXPR count "${count} + 1")
  if(NOT name MATCHES "^((typeinfo|typeinfo name|vtable) for )?([A-Z]|kx_|operator[^a-z])"
     OR name MATCHES "^[^(]* (std|__gnu_cxx|corekit)::")
    string(APPEND bad "  ${name}\n")
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "symbols outside the exported interface:\n${bad}")
endif()
set(required "KString::Mid(int, int) const" "TGPSTime::Set(" "TGPSWeek::TGPSWeek(int)"
             "TGPSTimeMS::SetMS(" "TGPSTimeNS::operator+(" "TCurrentTime::TCurrentTime()"
             "TLeapSeconds::AtUTC(" "TLeapSeconds::LoadFile(" "TUTCTime::FromGPS("
             "TErrorReporter::ErrorToText(" "TErrorReporter::ErrorMessageBox("
             "TDLLFuncLoader::LoadDLL(" "TDLLFuncLoader::GetFunc(char const*)" "TComBinValueImpl::GetValToGeneric("
             "TComBinValue::get_data() const" "TComPtrBase<IGenericValue>::IsEqualObject("
             "TComPtr<IGenericValue>::operator=(" "EnumComPortDetails(" "FindComPortsByUsbId("
             "FindComPortsBySerialNumber(" "ListComPortDetails(" "UsbSerialKind(" "ToUTF8" "SetThreadLanguage(" "GetThreadLanguage("
             "TranslateText(" "SetDictionaryFolder(" "LoadTranslatedString(" "TSplitPath::Compose("
             "TFileFinder::Next(" "LoadTranslatedMenu(" "TranslateMenu(" "LockDialogTemplate("
             "SetInputLanguage(" "FindResourceFallback(" "LoadMenuResource(" "ReadDialogTexts("
             "LoadModuleFile(" "FreeModuleFile(" "NextDictionaryPair(" "UnescapeDictionaryText("
             "ReadDictionaryFile(" "FindInvalidMultibyte(" "TEncodingCheck::InvalidAt(" "TSharedPostOffice::Find("
             "TComPortStream::Read(" "TComPortStream::Cancel()" "ProbeComPort("
             "TGnssFrameScanner::Feed(" "GnssProtocolName(")
if(NOT WINDOWS)
  # The COM, menu and resource functions that the library provides where the system has none.
  list(APPEND required "CoTaskMemAlloc(" "CoTaskMemFree(" "CoCreateInstance(" "CLSIDFromProgID("
                       "GetMenuItemCount(" "GetMenuItemInfoA(" "DestroyMenu(" "LoadResource("
                       "LockResource(" "SizeofResource(" "EnumResourceNamesA(")
endif()
foreach(required IN LISTS required)
  string(FIND "${listing}" "${required}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing export: ${required}")
  endif()
endforeach()
message(STATUS "${count} exported symbols, all of the interface")
