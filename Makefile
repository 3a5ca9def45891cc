# The two commands of the README; the work is in scripts/.
.PHONY: run test bench clean
run:
	bash scripts/run.sh
test:
	bash scripts/test.sh
bench:
	bash scripts/bench.sh
clean:
	rm -rf build
