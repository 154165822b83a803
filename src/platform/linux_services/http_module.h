// What the update check's HTTP module exports: one C function that makes its
// HttpClient. The program loads the module (and Qt Network with it) on the
// first request, so a program that never checks for updates never maps them.
#pragma once

#include "platform/network.h"

// The module's file name, and the name of its factory.
#define VOLTARO_HTTP_MODULE "voltaro-http.so"
#define VOLTARO_MAKE_HTTP_CLIENT "voltaro_make_http_client"

// Makes the module's HttpClient, whose requests give up after
// `timeoutMilliseconds` without progress; nullptr when it cannot. The program
// owns the result and deletes it through HttpClient's virtual destructor.
extern "C" voltaro::platform::HttpClient* voltaro_make_http_client(long long timeoutMilliseconds);
