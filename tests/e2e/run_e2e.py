"""Runs every end-to-end scenario (test_*.py here) inside the Wine test session."""

import os
import sys
import unittest

import harness

if __name__ == "__main__":
    harness.load_session()
    pattern = sys.argv[1] if len(sys.argv) > 1 else "test_*.py"
    suite = unittest.defaultTestLoader.discover(os.path.dirname(os.path.abspath(__file__)), pattern)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    sys.exit(0 if result.wasSuccessful() else 1)
