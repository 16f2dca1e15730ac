#include "corekit/util/log_stream.h"

TLogStream::TLogStream(const KString& name) : m_name(name) {}
TLogStream::TLogStream(const TLogStream& other) = default;
TLogStream& TLogStream::operator=(const TLogStream& other) {
  m_name = other.m_name;
  return *this;
}
TLogStream::~TLogStream() = default;

KString TLogStream::GetName() const { return m_name; }
void TLogStream::SetName(const KString& name) { m_name = name; }

void TLogStream::Message(const KString&, unsigned int) {}
void TLogStream::StartSection() {}
void TLogStream::EndSection(const KString&, unsigned int) {}

TLogStream::TSection::TSection(TLogStream& stream, const KString& text, unsigned int tag)
    : m_stream(stream), m_ended(false) {
  m_stream.Message(text, tag);
  m_stream.StartSection();
}

TLogStream::TSection::~TSection() {
  if (!m_ended) m_stream.EndSection(KString(), 0);
}

void TLogStream::TSection::Message(const KString& text, unsigned int tag) {
  m_stream.Message(text, tag);
}

void TLogStream::TSection::EndSection(const KString& text, unsigned int tag) {
  m_stream.EndSection(text, tag);
  m_ended = true;
}
