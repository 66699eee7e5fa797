# The Linux-side checks of a full installation (sourced; run-scenario.sh
# provides WINEPREFIX, out, programs and the expect_* helpers).
echo "--- registry diff (added lines) ---"
grep '^>' "$out/registry.diff" | head -80
