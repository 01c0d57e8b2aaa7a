// HTTP through the system's Internet library: a session, a connection to one
// server, and requests on it. Every handle is closed with InternetCloseHandle.
// Failures set the last error to one of the ERROR_INTERNET_ codes below, whose
// texts FormatMessage gives as the system does.
#pragma once

#include "platform/wintypes.h"

using HINTERNET = void*;
using INTERNET_PORT = WORD;

constexpr DWORD INTERNET_OPEN_TYPE_PRECONFIG = 0;
constexpr INTERNET_PORT INTERNET_DEFAULT_HTTP_PORT = 80;
constexpr DWORD INTERNET_SERVICE_HTTP = 3;
constexpr DWORD INTERNET_FLAG_EXISTING_CONNECT = 0x20000000;
constexpr DWORD HTTP_ADDREQ_FLAG_ADD_IF_NEW = 0x10000000;
constexpr DWORD HTTP_QUERY_STATUS_CODE = 19;
constexpr DWORD HTTP_QUERY_FLAG_NUMBER = 0x20000000;

constexpr DWORD ERROR_INTERNET_TIMEOUT = 12002;
constexpr DWORD ERROR_INTERNET_INTERNAL_ERROR = 12004;
constexpr DWORD ERROR_INTERNET_INVALID_URL = 12005;
constexpr DWORD ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
constexpr DWORD ERROR_INTERNET_INCORRECT_HANDLE_TYPE = 12018;
constexpr DWORD ERROR_INTERNET_CONNECTION_ABORTED = 12030;
constexpr DWORD ERROR_INTERNET_CANNOT_CONNECT = 12029;
constexpr DWORD ERROR_INTERNET_CONNECTION_RESET = 12031;
constexpr DWORD ERROR_HTTP_INVALID_SERVER_RESPONSE = 12152;

HINTERNET InternetOpenA(LPCSTR lpszAgent, DWORD dwAccessType, LPCSTR lpszProxy, LPCSTR lpszProxyBypass,
                        DWORD dwFlags);
HINTERNET InternetConnectA(HINTERNET hInternet, LPCSTR lpszServerName, INTERNET_PORT nServerPort,
                           LPCSTR lpszUserName, LPCSTR lpszPassword, DWORD dwService, DWORD dwFlags,
                           DWORD_PTR dwContext);
HINTERNET HttpOpenRequestA(HINTERNET hConnect, LPCSTR lpszVerb, LPCSTR lpszObjectName, LPCSTR lpszVersion,
                           LPCSTR lpszReferrer, LPCSTR* lplpszAcceptTypes, DWORD dwFlags, DWORD_PTR dwContext);
// dwHeadersLength of (DWORD)-1: the headers are zero-terminated.
BOOL HttpAddRequestHeadersA(HINTERNET hRequest, LPCSTR lpszHeaders, DWORD dwHeadersLength, DWORD dwModifiers);
// Connects when needed, sends the request and reads the answer's status and headers.
BOOL HttpSendRequestA(HINTERNET hRequest, LPCSTR lpszHeaders, DWORD dwHeadersLength, LPVOID lpOptional,
                      DWORD dwOptionalLength);
BOOL HttpQueryInfoA(HINTERNET hRequest, DWORD dwInfoLevel, LPVOID lpBuffer, DWORD* lpdwBufferLength,
                    DWORD* lpdwIndex);
// The answer's body, in pieces; TRUE with 0 bytes read at its end.
BOOL InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwNumberOfBytesToRead, DWORD* lpdwNumberOfBytesRead);
BOOL InternetCloseHandle(HINTERNET hInternet);
