# The two commands of the README; the work is in scripts/.
# make fuzz FUZZ_SECONDS=600 fuzzes each target for ten minutes.
.PHONY: run test bench fuzz clean
run:
	bash scripts/run.sh
test:
	bash scripts/test.sh
fuzz:
	bash scripts/fuzz.sh
bench:
	bash scripts/bench.sh
clean:
	rm -rf build
