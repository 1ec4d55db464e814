"""Runs the end-to-end scenarios (test_*.py here, or the files named as arguments) inside the
Wine test session."""

import os
import sys
import unittest

import harness

if __name__ == "__main__":
    harness.load_session()
    here = os.path.dirname(os.path.abspath(__file__))
    suite = unittest.TestSuite(unittest.defaultTestLoader.discover(here, pattern)
                               for pattern in sys.argv[1:] or ["test_*.py"])
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)
