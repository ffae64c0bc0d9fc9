#ifndef OE_FILE_H_INCLUDED
#define OE_FILE_H_INCLUDED

// bCFile: a stream bound to a named file. The library declares the interface
// only; engine modules supply concrete files (vellmark/kernel/oe_posixfile.h
// is one for this platform). A base operation that a file does not supply warns
// that it was not implemented and returns its failure value. The stream's own
// Seek stays pure: every concrete file positions itself.

#include <vellmark/kernel/oe_stream.h>

// 32-bit; passed through to implementations, which give the values their meaning.
// The names say what the platform's own file (oe_posixfile.h) does with them.
enum bEFileCreationMode : int
{
    bEFileCreationMode_Read = 0,      // an existing file, reading only
    bEFileCreationMode_Write = 1,     // created or emptied, writing only
    bEFileCreationMode_ReadWrite = 2, // an existing file, reading and writing
    bEFileCreationMode_Create = 3,    // created or emptied, reading and writing
    bEFileCreationMode_Append = 4,    // created when missing, writing at the end
};

class OE_API bCFile : public bCIOStream
{
public:
    bCFile() = default;
    bCFile(bCFile const & a_Source) : bCIOStream(a_Source) {}
    bCFile & operator=(bCFile const &) { return *this; }
    ~bCFile() override;

public:
    long long GetPosition() const override; // -1 here
    bool Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) override = 0;
    virtual bool IsValid() const;
    virtual bool IsOpen() const;
    virtual long long GetLength() const; // -1 here
    virtual bool Open(bCString const & a_strName, bEFileCreationMode a_eMode);
    virtual bool Close();
    virtual bool Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) const;

public:
    bool Eof() const { return GetPosition() >= GetLength(); }
    bool SeekToBegin() const { return Seek(0, bEStreamSeekMode_Begin); }
    bool SeekToEnd() const { return Seek(0, bEStreamSeekMode_End); } // offset 0 from the end
};

#endif
