# Each example of a man page in a block of its own, never hyphenated: help2man puts
# them all in one paragraph, which man fills into a single run of text.
/^\.SS "예:"/,${
  /^\.SS "예:"/a\
.nh
  /^\.IP$/d
  /^morvalent/i\
.IP
}
