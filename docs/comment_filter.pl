#!/usr/bin/perl
# Doxygen's input filter for the public headers: it reads their plain // comments as documentation,
# so that the reference comes from the comments as written. Line numbers stay as they are.
#   - A // block directly above a declaration (or #define) at file, namespace, class or enum scope
#     documents it. The declarations that follow it without a blank line or another comment between
#     ("Step by one second ...", then ++, --, += and -=) share it.
#   - A trailing // after a member or enumerator documents that member; a comment line right below,
#     indented as far, goes on with it.
#   - Lines of a block indented by three spaces or more are an example, shown as code.
#   - Comments inside function bodies, and blocks followed by a blank line, stay plain comments.
# With COREKIT_DOC_RUNS set, it lists on standard error each comment that several declarations
# share.
use strict;
use warnings;

my $file = $ARGV[0] // '-';
my @lines = <>;
chomp @lines;

# The code of a line: string and character literals emptied, comments removed.
sub code_of {
  my ($line) = @_;
  $line =~ s/"(?:[^"\\]|\\.)*"/""/g;
  $line =~ s/'(?:[^'\\]|\\.)*'/''/g;
  $line =~ s{/\*.*?\*/}{ }g;
  $line =~ s{//.*$}{};
  return $line;
}

# Comment text as doxygen shows it: its command and markup characters stand for themselves. Text
# inside `code` or "quotes" doxygen shows as written already.
sub escape {
  my ($text) = @_;
  my @parts = split /(`[^`]*`|"[^"]*")/, $text;
  for (@parts) { s/([\\@<>&%#])/\\$1/g unless /^[`"]/; }
  return join '', @parts;
}

my @scopes;                  # 'container', 'enum' or 'body' for each open brace
my $statement = '';          # the code of the statement begun at the current scope
my $at_start = 1;            # the next line begins a statement
my @block;                   # indices of the // lines gathered above the next declaration
my $run_text;                # the comment shared by the declarations of the current run
my $run_depth = -1;          # the scope depth of the run's declarations
my $run_line = 0;            # the line of the run's comment, for COREKIT_DOC_RUNS
my $run_count = 0;           # the declarations of the run so far
my $trailing_column = -1;    # column of the last line's trailing comment, for its continuation
my $file_marked = 0;         # the file carries doxygen's \file, so its functions are listed
my $in_macro = 0;            # on a continuation line of a macro
my $list_text;               # the comment of a list of names being declared
my @out = @lines;

sub in_container { return !grep { $_ eq q(body) } @scopes; }

sub end_run {
  if (defined $run_text && $run_count > 1 && $ENV{COREKIT_DOC_RUNS}) {
    print STDERR "$file:$run_line: one comment for $run_count declarations\n";
  }
  undef $run_text;
  $run_count = 0;
}

for my $i (0 .. $#lines) {
  my $line = $lines[$i];
  my $container = in_container();
  my $depth = scalar @scopes;

  if (!$file_marked && $line =~ /^\s*#\s*pragma\s+once\b/) {
    $out[$i] = "$line /** \\file */";
    $file_marked = 1;
    next;
  }

  # A comment-only line.
  if ($line =~ m{^(\s*)//(?!/)(.*)$}) {
    my ($indent, $text) = ($1, $2);
    if ($trailing_column >= 0 && length($indent) >= $trailing_column) {
      $out[$i] = "$indent///<" . escape($text);
      next;
    }
    $trailing_column = -1;
    end_run();
    push @block, $i if $container && $at_start;
    next;
  }
  $trailing_column = -1;

  if ($line =~ /^\s*$/) {
    @block = ();
    end_run();
    next;
  }

  # The continuation lines of a macro belong to its #define.
  if ($i > 0 && $lines[$i - 1] =~ /^\s*#.*\\$/ || $in_macro) {
    $in_macro = $line =~ /\\$/;
    next;
  }

  my $code = code_of($line);
  my $is_define = $line =~ /^\s*#\s*define\s/;
  my $is_directive = $line =~ /^\s*#/;
  my $is_label = $code =~ /^\s*(public|protected|private)\s*:\s*$/;
  my $is_closing = $code =~ /^\s*\}/;
  # A namespace is no declaration: a comment above it speaks of its contents, not of the name.
  my $declares = $container && $at_start && !$is_label && !$is_closing &&
                 (!$is_directive || $is_define) && $code !~ /^\s*namespace\b/;
  # Conditional directives neither declare nor end a run: doxygen reads one of their branches.
  if ($line =~ /^\s*#\s*(if|ifdef|ifndef|elif|else|endif)\b/) {
    next;
  }
  # A run ends at the next statement that is no declaration of its scope; the continuation and body
  # lines of its declarations leave it going.
  end_run() if defined $run_text && $at_start && (!$declares || $depth != $run_depth);

  my $prefix = '';
  if ($declares && @block) {
    for my $k (0 .. $#block) {
      my ($indent, $text) = $lines[$block[$k]] =~ m{^(\s*)//(.*)$};
      # Lines indented by three spaces or more are an example, shown as code.
      my $example = qr{^\s*// {3,}\S};
      if ($lines[$block[$k]] =~ $example) {
        my $first = $k == 0 || $lines[$block[$k - 1]] !~ $example;
        my $last = $k == $#block || $lines[$block[$k + 1]] !~ $example;
        $out[$block[$k]] = "$indent///" . ($first ? ' \\code{.cpp}' : '') . $text .
                           ($last ? ' \\endcode' : '');
      } else {
        $out[$block[$k]] = "$indent///" . escape($text);
      }
    }
    $run_text = join ' ', map { my $t = $out[$_]; $t =~ s{^\s*///\s?}{}; $t } @block;
    $run_text =~ s{\*/}{* /}g;
    $run_depth = $depth;
    $run_line = $block[0] + 1;
    $run_count = 1;
  } elsif ($declares && defined $run_text && !$is_define &&
           $code !~ /^\s*(virtual\s+)?~|=\s*delete\s*;|^\s*static_assert\b/) {
    # Destructors, deleted members and assertions say nothing new: they go without the comment.
    $prefix = "/** $run_text */ ";
    $run_count++;
  } elsif ($declares && defined $run_text && $is_define) {
    $run_count++;
  }
  # A comment above #if, #ifdef or #ifndef documents the first declaration inside.
  @block = () unless $line =~ /^\s*#\s*if/;

  # A trailing comment after a member, enumerator or macro documents it.
  if ($container && $line =~ m{^(.*?\S.*?)(\s*)//(?!/)(.*)$} && code_of($1) eq $1) {
    my ($before, $space, $text) = ($1, $2, $3);
    if ($before !~ /^\s*\}/ &&
        ($before =~ /[;,]\s*$/ || $is_define || $before =~ /^\s*\w+(\s*=.*)?$/)) {
      $out[$i] = "$before$space///<" . escape($text);
      $trailing_column = length($before) + length($space);
    }
  }
  if ($is_define && $declares && defined $run_text && $run_count > 1 && $out[$i] !~ m{///<}) {
    $out[$i] .= " ///< $run_text";
  }
  $out[$i] = $prefix . $out[$i] if $prefix ne '';

  # Each name of a list (static const TColor Black, White;) gets the comment, not only the first.
  if ($declares && defined $run_text && !$is_directive && $code =~ /,/ && $code !~ /[(<{=]/ &&
      $line !~ m{//} && (!@scopes || $scopes[-1] ne 'enum')) {
    $list_text = $run_text;
  }
  if (defined $list_text) {
    $out[$i] =~ s{,}{, /** $list_text */}g;
    undef $list_text if $code =~ /;/;
  }

  if ($is_directive) {
    $at_start = 1;
    next;
  }

  # Follows the braces and statement ends of the line's code.
  if ($is_label) {
    $at_start = 1;
    $statement = '';
    next;
  }
  $at_start = 0;
  for my $char (split //, $code) {
    if ($char eq '{') {
      my $kind = $statement =~ /^\s*(typedef\s+)?enum\b/ ? q(enum) :
                 $statement =~
                   /^\s*(template\s*<.*>\s*)?(typedef\s+)?(class|struct|union|namespace)\b/ ||
                 $statement =~ /^\s*extern\s+""\s*$/ ? 'container' : 'body';
      push @scopes, $kind;
      $statement = '';
      $at_start = $kind ne q(body);
    } elsif ($char eq '}') {
      pop @scopes;
      $statement = '';
      $at_start = in_container();
    } elsif ($char eq q(,) && @scopes && $scopes[-1] eq q(enum)) {
      $statement = q();
      $at_start = 1;
    } elsif ($char eq ';') {
      $statement = '';
      $at_start = in_container();
    } else {
      $statement .= $char;
      $at_start = 0 if $char =~ /\S/;
    }
  }
  $at_start = 1 if $code =~ /^\s*$/;
}
end_run();

print "$_\n" for @out;
