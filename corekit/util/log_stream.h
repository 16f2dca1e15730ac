#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"

// The base of the suite's logs, written in nested sections: a named stream whose three operations
// (a message, the start of a section, the end of one) subclasses implement. This base writes
// nothing. The tag travels with each message and section end; its meaning is the subclass's.
class COREKIT_API TLogStream {
public:
  // A stream with the given name; a copy with other's name.
  explicit TLogStream(const KString& name);
  TLogStream(const TLogStream& other);
  // Copies the name only: the object keeps its own class.
  TLogStream& operator=(const TLogStream& other);
  virtual ~TLogStream();

  // The stream's name.
  KString GetName() const;
  void SetName(const KString& name);

  // Writes a message, starts a nested section, ends the innermost one with a closing text; this
  // base does nothing.
  virtual void Message(const KString& text, unsigned int tag);
  virtual void StartSection();
  virtual void EndSection(const KString& text, unsigned int tag);

  // A section of a stream for the life of a scope: its heading (a Message) and StartSection at
  // construction, and an EndSection with empty text and tag 0 when the scope ends, unless ended
  // through the section before.
  class COREKIT_API TSection {
  public:
    // Writes the heading text with tag and starts the section on stream.
    TSection(TLogStream& stream, const KString& text, unsigned int tag);
    TSection(const TSection&) = delete;
    TSection& operator=(const TSection&) = delete;
    ~TSection();

    // A message inside the section, passed on to the stream.
    void Message(const KString& text, unsigned int tag);
    // Ends the section on the stream (every call is passed on); the scope's end then adds nothing.
    void EndSection(const KString& text, unsigned int tag);

  private:
    TLogStream& m_stream;
    bool m_ended;
  };

private:
  KString m_name;
};
