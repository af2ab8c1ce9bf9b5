#pragma once
// Every narrow literal of the Windows programs must reach the ANSI API as code page 936 bytes.
// A build without -fexec-charset=GBK would store UTF-8 (3 bytes per character) and garble every text.
static_assert(sizeof("汉") == 3, "narrow literals must be GBK: compile with -fexec-charset=GBK");
