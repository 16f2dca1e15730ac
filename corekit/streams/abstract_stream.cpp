#include "corekit/streams/abstract_stream.h"

#include "corekit/platform/types.h"

TAbstractStream::~TAbstractStream() = default;

LONG TAbstractStream::Write(const unsigned char*, LONG, bool) { return E_NOTIMPL; }

LONG TAbstractStream::Read(unsigned char*, LONG, LONG*) { return E_NOTIMPL; }

LONG TAbstractStream::Seek(LONG, int) { return E_NOTIMPL; }

LONG TAbstractStream::GetPosition() { return 0; }
