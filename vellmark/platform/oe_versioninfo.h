#ifndef OE_VERSIONINFO_H_INCLUDED
#define OE_VERSIONINFO_H_INCLUDED

// Version resources as the original platform offers them.
//
// A file's version resource is a VS_VERSIONINFO blob (little-endian nodes of
// wLength, wValueLength, wType, a UTF-16 key and a value, then children, each
// on a 4-byte boundary) kept in the ELF section ".vsversioninfo" of the file.
// A module name is resolved to its file as OEFindModuleFile does.
//
// OEGetFileVersionInfo copies the blob into the caller's buffer and reserves
// room behind it where OEVerQueryValue puts the 8-bit form of a text value, so
// the buffer must come from OEGetFileVersionInfo and be at least as large as
// OEGetFileVersionInfoSize says (a smaller one keeps only the nodes that fit).

#include <vellmark/platform/oe_export.h>

// Size of the buffer the file's version resource needs, 0 when there is none.
// The handle is always set to 0.
OE_API unsigned long OEGetFileVersionInfoSize(char const * a_pcFileName, unsigned long * a_puHandle);
OE_API bool OEGetFileVersionInfo(char const * a_pcFileName, unsigned long a_uHandle, unsigned long a_uLen,
                                 void * a_pData);

// Looks a value up by path: "\" gives the fixed file information, a node path
// such as "\VarFileInfo\Translation" gives the value's bytes and byte count, a
// text such as "\StringFileInfo\040904B0\FileVersion" gives the 8-bit text and
// its length in characters without the terminator. Keys compare without case.
OE_API bool OEVerQueryValue(void * a_pBlock, char const * a_pcSubBlock, void ** a_ppBuffer, unsigned int * a_puLen);

// The same readers over an ELF image in memory.
OE_API unsigned long OEGetImageVersionInfoSize(void const * a_pImage, unsigned long a_uImageSize);
OE_API bool OEGetImageVersionInfo(void const * a_pImage, unsigned long a_uImageSize, unsigned long a_uLen,
                                  void * a_pData);

// The user's default language: US English.
OE_API unsigned short OEGetUserDefaultLangID();

#endif
