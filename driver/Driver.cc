// driver/Driver.cc - options and the per-file run.
