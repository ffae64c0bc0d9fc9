#ifndef OE_POSIXFILE_H_INCLUDED
#define OE_POSIXFILE_H_INCLUDED

// bCPosixFile: a bCFile on a POSIX file descriptor, the file that the tools,
// examples and tests use, and one that a client module can use or copy.
//
// - Open modes (bEFileCreationMode): Read and ReadWrite open an existing file;
//   Write and Create create or empty it; Append creates a missing file and
//   writes at its end. Files are created with mode 0666 less the umask.
// - Transfers are unbuffered: every raw Read or Write is one system call (or a
//   few for large blocks). For many small values, read the file into a
//   bCMemoryStream first (ReadAll) and write a finished memory stream at once.
// - Seeks outside 0..length are refused, as in the memory stream.
// - GetResult gives the errno of the last failed operation, 0 after success.

#include <vellmark/kernel/oe_file.h>

class bCMemoryStream;

class OE_API bCPosixFile : public bCFile
{
public:
    bCPosixFile();
    bCPosixFile(bCString const & a_strName, bEFileCreationMode a_eMode); // opens; check IsOpen
    ~bCPosixFile() override;
    bCPosixFile(bCPosixFile const &) = delete;
    bCPosixFile & operator=(bCPosixFile const &) = delete;

public:
    OE_STREAM_USING_BASES(bCFile);
    unsigned long Read(void * a_pBuffer, unsigned long a_uSize) override;        // fewer at the end
    unsigned long Write(void const * a_pBuffer, unsigned long a_uSize) override; // fewer on failure
    long long GetPosition() const override;                                      // -1 when closed
    bool Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) override;
    bool Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) const override;
    bool IsValid() const override { return m_iDescriptor >= 0; }
    bool IsOpen() const override { return m_iDescriptor >= 0; }
    long long GetLength() const override; // -1 when closed
    bool Open(bCString const & a_strName, bEFileCreationMode a_eMode) override;
    bool Close() override; // false when nothing was open

public:
    int GetResult() const { return m_iResult; }
    bCString const & GetName() const { return m_strName; }
    bool ReadAll(bCMemoryStream & a_Stream); // the rest of the file, appended at the stream's position
    bool Flush();                            // to the device

private:
    mutable int m_iResult;
    int m_iDescriptor;
    bCString m_strName;
};

#endif
